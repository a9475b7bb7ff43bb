// Numbers for the unit conversion, kept exact as rationals from the typed text to the last
// step, so that no conversion adds a rounding of its own: the only rounding is the final one
// to the double that NumberToText writes, as every result of the calculator is written.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string_view>

namespace tabulex {

// The value of a typed number (GBK) read exactly: full-width digits, signs and point become
// ASCII, surrounding spaces are ignored, and the rest must be a whole decimal number:
// [sign] digits [. digits] [e|E [sign] digits], with digits on at least one side of the point.
// "0.1" is exactly 1/10. Anything else (empty, "abc", "1.2.3", "1e") is nothing.
std::optional<mpq_class> ReadExactNumber(std::string_view gbk);

// The double nearest to value, ties to even, like a correctly rounded division: beyond the
// largest double it is an infinity, below the smallest a zero of value's sign.
double NearestDouble(const mpq_class& value);

}  // namespace tabulex
