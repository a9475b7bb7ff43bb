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

// 10^0 to 10^22: every one is an exact double.
inline constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

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
