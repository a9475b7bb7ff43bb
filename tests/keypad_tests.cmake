# Tests of one area, listed by that area (targets and add_test lines).
