#include "tools/exact_number.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "tools/base_conversion.h"

namespace tabulex {
namespace {

// Beyond 10^±kMagnitudeLimit every conversion (factors span less than 10^30) overflows or
// vanishes in a double all the same, so a larger exponent is clamped there: "1e999999999"
// must not ask for a number of a billion digits.
constexpr long kMagnitudeLimit = 2000;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

mpz_class PowerOfTen(unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
  return power;
}

std::optional<mpq_class> ReadDecimal(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string digits;
  std::size_t integerDigits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) digits += text[i];
  integerDigits = digits.size();
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) digits += text[i];
  }
  if (digits.empty()) return std::nullopt;
  long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    if (i == text.size() || !IsDigit(text[i])) return std::nullopt;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      // Saturates far beyond the limit; the clamp below decides.
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - '0');
    }
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;

  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return mpq_class(0);
  // value = digits × 10^scale, its leading digit at 10^magnitude.
  const long fractionDigits = static_cast<long>(digits.size() - integerDigits);
  long scale = exponent - fractionDigits;
  const long significant = static_cast<long>(digits.size() - first);
  const long magnitude = scale + significant - 1;
  if (magnitude > kMagnitudeLimit) scale = kMagnitudeLimit - significant + 1;
  if (magnitude < -kMagnitudeLimit) scale = -kMagnitudeLimit - significant + 1;

  mpq_class value(mpz_class(digits.substr(first), 10));
  if (scale >= 0) {
    value *= PowerOfTen(static_cast<unsigned long>(scale));
  } else {
    value /= PowerOfTen(static_cast<unsigned long>(-scale));
  }
  if (negative) value = -value;
  return value;
}

}  // namespace

std::optional<mpq_class> ReadExactNumber(std::string_view gbk) {
  const std::string ascii = FullWidthToAscii(gbk);
  std::string_view text = ascii;
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return ReadDecimal(text);
}

double NearestDouble(const mpq_class& value) {
  const int sign = sgn(value);
  if (sign == 0) return 0.0;
  const mpq_class magnitude = abs(value);
  constexpr double kMax = std::numeric_limits<double>::max();
  // Halfway between the largest double and 2^1024, which rounds (to even) to infinity.
  static const mpq_class kOverflow =
      mpq_class(kMax) + mpq_class(std::ldexp(1.0, 1023 - std::numeric_limits<double>::digits));
  if (magnitude >= kOverflow) return sign * std::numeric_limits<double>::infinity();

  // get_d truncates towards zero; the nearest is that double or the next one up.
  const double below = magnitude.get_d();
  double result = below;
  if (below < kMax) {
    const double above = std::nextafter(below, std::numeric_limits<double>::infinity());
    const mpq_class toBelow = magnitude - mpq_class(below);
    const mpq_class toAbove = mpq_class(above) - magnitude;
    const int order = cmp(toBelow, toAbove);
    const bool belowIsEven = (std::bit_cast<std::uint64_t>(below) & 1) == 0;
    if (order > 0 || (order == 0 && !belowIsEven)) result = above;
  }
  return sign < 0 ? -result : result;
}

}  // namespace tabulex
