// FractionConversion: turns the result already written on the caret's line into the next
// form of the cycle decimal -> fraction -> mixed fraction -> decimal, by two line
// calculations: the first removes the old result, the second calculates the line again in
// the new form.
#pragma once

#include <string>

#include "engine/calc_context.h"
#include "engine/line_cut.h"

namespace tabulex {

void FractionConversion(const CalcContext& context);

// The first step, run by LineCalculator on the old result (expressionText): chooses the next
// form and removes "=" and the old result. False when there is nothing to convert.
bool ConversionStepOne(const CalcContext& context, const std::string& expressionText,
                       const LineCut& cut);

}  // namespace tabulex
