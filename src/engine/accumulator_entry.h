// One calculation remembered for the accumulator window.
#pragma once

#include <string>
#include <vector>

namespace tabulex {

struct AccumulatorEntry {
  int serial{0};  // number of entries already in the list + 1
  std::string
      expression;      // the prepared expression, sentinel space included; empty for a bare number
  std::string result;  // the formatted result without "="
};

using AccumulatorList = std::vector<AccumulatorEntry>;

}  // namespace tabulex
