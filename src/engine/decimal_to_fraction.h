// DecimalToFractionText: a result written as a fraction, "N∟D" or "W∟N∟D", within the digit
// limits (N and D: 8 digits together; W, N and D: 6; the whole part: 8 characters with its
// sign). A value beyond them is written as a decimal by FormatDecimalResult.
#pragma once

#include <string>
#include <string_view>

#include "base/calc_settings.h"

namespace tabulex {

enum class FractionForm { Improper, Mixed };

std::string DecimalToFractionText(std::string_view text, FractionForm form,
                                  const CalcSettings& settings);

}  // namespace tabulex
