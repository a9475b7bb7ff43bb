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

// Appends the decimal digits of a small positive number.
char* AppendNumber(char* out, int value) {
  char digits[12];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  while (count > 0) *out++ = digits[--count];
  return out;
}

// "%.13g" with an exponent of at least three digits, from the 13 (or fewer) significant digits
// and the decimal exponent of the first one. Written into a buffer: this runs for every
// intermediate result of every calculation.
std::string GeneralForm(bool negative, const char* digits, int count, int exponent) {
  char text[48];
  char* out = text;
  if (negative) *out++ = '-';
  // %g drops trailing zeros.
  while (count > 1 && digits[count - 1] == '0') --count;
  if (exponent < -4 || exponent >= 13) {
    *out++ = digits[0];
    if (count > 1) {
      *out++ = '.';
      for (int k = 1; k < count; ++k) *out++ = digits[k];
    }
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const int power = exponent < 0 ? -exponent : exponent;
    if (power < 100) *out++ = '0';
    if (power < 10) *out++ = '0';
    out = AppendNumber(out, power);
  } else if (exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    for (int k = 0; k < -exponent - 1; ++k) *out++ = '0';
    for (int k = 0; k < count; ++k) *out++ = digits[k];
  } else {
    const int whole = exponent + 1;
    for (int k = 0; k < whole; ++k) *out++ = k < count ? digits[k] : '0';
    if (count > whole) {
      *out++ = '.';
      for (int k = whole; k < count; ++k) *out++ = digits[k];
    }
  }
  return std::string(text, out);
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
  const char* const end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
  const bool negative = buffer[0] == '-';
  char digits[24];
  int count = 0;
  const char* p = buffer + (negative ? 1 : 0);
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits[count++] = *p;
  }
  int exponent = 0;
  std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
  if (count == 14) return PreciseGeneralForm(value);
  if (count > 13) {
    const bool up = digits[13] >= '5';
    count = 13;
    if (up) {
      int k = 13;
      while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
      if (k == 0) {
        digits[0] = '1';  // 9.99…9 became 10.00…0: one digit more in front, one less behind
        ++exponent;
      } else {
        ++digits[k - 1];
      }
    }
  }
  return GeneralForm(negative, digits, count, exponent);
}

}  // namespace tabulex
