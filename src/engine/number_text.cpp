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

std::string NumberToText(double value) {
  if (std::isnan(value)) return "nan";
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

}  // namespace tabulex
