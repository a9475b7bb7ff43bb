#include "engine/number_text.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

namespace tabulex {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// from_chars reports overflow and underflow without a value; strtod in the C locale gives the
// infinity or the tiny value a reader expects. Only texts with hundreds of digits get here.
double ReadOutOfRange(const char* begin) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtod_l(begin, nullptr, cLocale);
}

enum class NumberWords { Read, Refused };

double ReadNumber(std::string_view text, NumberWords words) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::string_view rest = text.substr(i);
  if (words == NumberWords::Read) {
    if (rest.starts_with("inf")) return negative ? -HUGE_VAL : HUGE_VAL;
    if (rest.starts_with("nan")) return std::nan("");
  }
  if (rest.empty() ||
      !(IsDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && IsDigit(rest[1])))) {
    return 0.0;
  }
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    value = ReadOutOfRange(std::string(rest.substr(0, end - rest.data())).c_str());
  } else if (error != std::errc()) {
    return 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

double TextToNumber(std::string_view text) {
  return ReadNumber(text, NumberWords::Read);
}

double TypedTextToNumber(std::string_view text) {
  return ReadNumber(text, NumberWords::Refused);
}

namespace {

// "%.13g" with an exponent of at least three digits, from the 13 (or fewer) significant digits
// and the decimal exponent of the first one.
std::string GeneralForm(bool negative, std::string_view digits, int exponent) {
  std::string text;
  if (negative) text += '-';
  // %g drops trailing zeros.
  while (digits.size() > 1 && digits.back() == '0') digits.remove_suffix(1);
  if (exponent < -4 || exponent >= 13) {
    text += digits[0];
    if (digits.size() > 1) {
      text += '.';
      text += digits.substr(1);
    }
    text += exponent < 0 ? "e-" : "e+";
    const std::string power = std::to_string(exponent < 0 ? -exponent : exponent);
    if (power.size() < 3) text.append(3 - power.size(), '0');
    text += power;
  } else if (exponent < 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += digits;
  } else {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      text += digits;
      text.append(whole - digits.size(), '0');
    } else {
      text += digits.substr(0, whole);
      text += '.';
      text += digits.substr(whole);
    }
  }
  return text;
}

// The slow, always exact way: the binary value rounded to 13 digits.
std::string PreciseGeneralForm(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
  std::string text(buffer, result.ptr);
  // Exponents are written with at least three digits.
  const std::size_t e = text.find('e');
  if (e != std::string::npos) {
    const std::size_t digits = text.size() - (e + 2);
    if (digits < 3) text.insert(e + 2, 3 - digits, '0');
  }
  return text;
}

}  // namespace

// The shortest decimal that reads back as the value (fast to find) settles the 13 digits of
// "%.13g" too, without working on the exact binary value: within half a unit in the last place
// of a double there is no room for a 13-digit rounding boundary. With 13 digits or fewer they
// are the digits; with 15 or more, rounding them to 13 rounds the exact value alike (a
// boundary in the value's reach would be a shorter decimal that reads back). Only 14 digits
// can sit on a boundary: those take the exact way.
std::string NumberToText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return std::signbit(value) ? "-0" : "0";
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view shortest(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const bool negative = shortest[0] == '-';
  const std::size_t mark = shortest.find('e');
  std::string digits;
  for (const char c : shortest.substr(negative ? 1 : 0, mark - (negative ? 1 : 0))) {
    if (c != '.') digits += c;
  }
  int exponent = 0;
  std::from_chars(shortest.data() + mark + (shortest[mark + 1] == '+' ? 2 : 1),
                  shortest.data() + shortest.size(), exponent);
  if (digits.size() == 14) return PreciseGeneralForm(value);
  if (digits.size() > 13) {
    const bool up = digits[13] >= '5';
    digits.resize(13);
    if (up) {
      std::size_t i = 13;
      while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
      if (i == 0) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++exponent;
      } else {
        ++digits[i - 1];
      }
    }
  }
  return GeneralForm(negative, digits, exponent);
}

}  // namespace tabulex
