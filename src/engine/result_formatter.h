// ResultFormatter: turns the single operand left by the evaluation into the text written
// behind the expression: a power-of-ten form for large and small values, a fraction when
// the operands allow one and the display form asks for it, else a decimal by the settings.
// It also recognises a line that holds nothing but one number.
#pragma once

#include <string>
#include <string_view>

#include "base/calc_settings.h"
#include "engine/operand_style.h"

namespace tabulex {

struct ResultRequest {
  std::string_view operand;  // the evaluation's result text
  OperandStyle style{OperandStyle::Plain};
  std::string_view expressionText;  // as prepared, with its sentinel space
  int conversionStep{0};
  int fractionDisplay{0};  // 0 decimal, 1 fraction, 2 mixed fraction
  bool endsWithEquals{false};
};

struct FormattedResult {
  bool bareNumber{false};  // nothing to calculate: the operand goes to the accumulator instead
  std::string shown;       // the formatted result, without "="
  std::string written;     // what goes into the editor: "=" + shown, or shown alone
};

FormattedResult ResultFormatter(const ResultRequest& request, const CalcSettings& settings);

}  // namespace tabulex
