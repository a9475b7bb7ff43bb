// NormaliseExpression: the first pass over ExpressionText. Spells every operator in the
// internal one-byte alphabet ("*" "@" "\" "^" "|" and "/" for the fraction separator), makes
// every bracket round, applies the thousands-separator setting to "," and ";", and inserts
// "*" where a number runs into a name. The bracket checks run during the same walk.
#pragma once

#include <string>
#include <string_view>

#include "engine/outcome.h"

namespace tabulex {

// thousandsSeparator: 0 none, 1 ";" groups digits, 2 "," groups digits.
Outcome<std::string> NormaliseExpression(std::string_view expressionText, int thousandsSeparator);

}  // namespace tabulex
