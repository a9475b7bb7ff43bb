// The program-wide calculation state. One object, owned by the application and passed by
// reference to every calculation; it lives for the whole run.
#pragma once

#include <string>

#include "engine/accumulator_entry.h"

namespace tabulex {

struct CalculationState {
  std::string lastResult;         // the last formatted result, without "="
  bool resultWritten{false};      // the last line calculation produced a result text
  int conversionStep{0};          // 0 normal; 1 and 2 are the two runs of a fraction conversion
  int nextFractionDisplay{0};     // display form of conversion step 2
  bool extractRequest{false};     // the next line calculation takes the line out instead
  std::string extractedLine;      // what that run took out
  bool evaluationReached{false};  // the evaluation of the last run read its whole queue
  AccumulatorList accumulatorList;
  bool keepsAccumulator{true};  // false where no accumulator window shows it: the command line
};

}  // namespace tabulex
