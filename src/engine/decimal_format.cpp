#include "engine/decimal_format.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"

namespace tabulex {
namespace {

// Padding beyond what a double can carry only repeats zeros; the bound keeps a hand-edited
// precision from building a string of gigabytes.
constexpr int kMaxPaddedDecimals = 400;

bool IsGroupable(std::string_view s) {
  if (s.starts_with('-')) s.remove_prefix(1);
  return std::all_of(s.begin(), s.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

void InsertGroupCommas(std::string& s) {
  const std::size_t first = s.starts_with('-') ? 1 : 0;
  std::size_t end = s.find('.');
  if (end == std::string::npos) end = s.size();
  for (std::size_t pos = end; pos > first + 3;) {
    pos -= 3;
    s.insert(pos, 1, ',');
  }
}

}  // namespace

double RoundHalfUp(double x, int d) {
  if (x == 0) return 0;
  const double a = std::fabs(x);
  const double power = d > 0 ? static_cast<double>(d) : -static_cast<double>(d);
  // pow gives the exact powers of ten as they are; the table saves the call.
  const double e =
      power <= 22 ? kExactPowersOfTen[static_cast<std::size_t>(power)] : std::pow(10.0, power);
  const double f = d > 0 ? a * e : d < 0 ? a / e : a;
  // A scale beyond the double range has nothing left to round.
  if (!std::isfinite(e) || !std::isfinite(f)) return x;
  double i = 0;
  const double r = std::modf(f + 0.000000000001, &i);
  const double q = r >= 0.5 ? i + 1 : i;
  const double result = d > 0 ? q / e : d < 0 ? q * e : q;
  // A value that rounds to zero is 0, never "-0".
  return x < 0 && result != 0 ? -result : result;
}

std::string FormatFixedNumber(double x, std::optional<int> d, Grouping grouping) {
  if (d) x = RoundHalfUp(x, *d);
  std::string s = NumberToText(x);
  if (d && *d > 0) {
    const auto decimals = static_cast<std::size_t>(std::min(*d, kMaxPaddedDecimals));
    const std::size_t point = s.find('.');
    if (point == std::string::npos) {
      s += '.';
      s.append(decimals, '0');
    } else if (s.size() - point - 1 < decimals) {
      s.append(decimals - (s.size() - point - 1), '0');
    }
  }
  if (grouping == Grouping::Commas && IsGroupable(s)) InsertGroupCommas(s);
  return s;
}

std::string FormatDecimalResult(std::string_view text, const CalcSettings& settings) {
  const double v = TextToNumber(text);
  const int n = settings.precisionDigits;
  const Grouping grouping = settings.thousandsSeparator == 1 || settings.thousandsSeparator == 2
                                ? Grouping::Commas
                                : Grouping::None;
  std::string s =
      settings.decimalRounding
          ? FormatFixedNumber(TextToNumber(NumberToText(RoundHalfUp(v, n))), std::nullopt, grouping)
          : FormatFixedNumber(v, n, grouping);
  if (settings.thousandsSeparator == 1) std::replace(s.begin(), s.end(), ',', ';');
  return s;
}

}  // namespace tabulex
