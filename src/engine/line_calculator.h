// LineCalculator: one run over the caret's line. Cuts the expression after the last "=",
// prepares, normalises, tokenises and evaluates it, and writes "=" and the result behind it.
// Every failure shows one status message and leaves the text as it was. The run also serves
// the extraction request of recalculation and the two steps of a fraction conversion.
#pragma once

#include <string>

#include "engine/calc_context.h"
#include "engine/outcome.h"

namespace tabulex {

class LineCalculator {
 public:
  explicit LineCalculator(const CalcContext& context) : m_context(context) {}

  // True when a result was written (or, in conversion step 1, the old result removed).
  bool Run();

 private:
  bool Fail(const Failure& failure);

  const CalcContext& m_context;
};

// The expression of a line text: what follows its last "=", not counting a "=" that is the
// last byte; "=" alone is no expression.
std::string_view CutExpression(std::string_view lineText);

}  // namespace tabulex
