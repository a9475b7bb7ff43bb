// Decimal formatting of results: rounding half away from zero, padding to a number of
// decimals, and grouping the integer digits.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/calc_settings.h"

namespace tabulex {

// Rounds half away from zero to d decimals (d < 0 rounds to tens, hundreds ...), after a
// nudge of 10^-12 that lifts binary values sitting just below the half: 1.005 gives 1.01.
double RoundHalfUp(double x, int d);

enum class Grouping { None, Commas };

// NumberToText of x (rounded to d decimals when d is given), padded with zeros to d decimals
// when d > 0, with "," between groups of three integer digits when asked.
std::string FormatFixedNumber(double x, std::optional<int> d, Grouping grouping);

// A value text formatted by precisionDigits, decimalRounding and thousandsSeparator.
std::string FormatDecimalResult(std::string_view text, const CalcSettings& settings);

}  // namespace tabulex
