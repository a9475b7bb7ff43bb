// The only conversions between number texts and doubles. Operands travel between operations
// as texts with 13 significant digits; that rounding is part of every result the user sees.
// Both conversions ignore the process locale: "1.5" is always one and a half.
#pragma once

#include <string>
#include <string_view>

namespace tabulex {

// Leading white space skipped, then the longest prefix "[sign] digits [. digits] [e[sign]digits]"
// read as the nearest double; "inf", "-inf" and "nan" read back as what they stand for; no
// number at all reads 0.
double TextToNumber(std::string_view text);

// A number typed by the user (a list of samples): the same reading, except that "inf" and
// "nan" are words there, like "info" and "nano", and read 0. Only intermediate results carry
// them as numbers.
double TypedTextToNumber(std::string_view text);

// "%.13g" with an exponent of at least three digits ("1e+020", "1.5e-007"); negative zero
// is "-0"; non-finite values are "inf", "-inf" and "nan".
std::string NumberToText(double value);

// Every comparison between doubles in the engine allows this much.
inline constexpr double kEngineTolerance = 0.0000001;

inline bool IsNearZero(double x) {
  return x <= kEngineTolerance && x >= -kEngineTolerance;
}
inline bool IsGreater(double x, double y) {
  return x - y > kEngineTolerance;
}
inline bool IsLess(double x, double y) {
  return x - y < -kEngineTolerance;
}

}  // namespace tabulex
