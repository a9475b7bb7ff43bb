// FractionOperandValue: the value of a number token written with the fraction separator
// ("/" after normalisation): a/b is a over b, a/b/c is a and b over c.
#pragma once

#include <string_view>

#include "engine/operand_style.h"
#include "engine/outcome.h"

namespace tabulex {

struct FractionOperand {
  double value{0.0};
  OperandStyle style{OperandStyle::Plain};
};

// On success the style becomes FractionInput, unless it already is DecimalInput.
Outcome<FractionOperand> FractionOperandValue(std::string_view token, OperandStyle style);

}  // namespace tabulex
