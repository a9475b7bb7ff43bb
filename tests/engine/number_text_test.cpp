#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <string>

#include <cstdlib>

#include <random>

#include <cstring>

#include <charconv>

#include <cmath>
#include <limits>

namespace tabulex {
namespace {

TEST(NumberToText, ThirteenSignificantDigitsAndThreeDigitExponents) {
  const struct {
    double value;
    const char* text;
  } rows[] = {
      {18, "18"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.3333333333333"},
      {2.0 / 3, "0.6666666666667"},
      {3.1415926535897932384, "3.14159265359"},
      {9999999999999, "9999999999999"},
      {12345678901234, "1.234567890123e+013"},
      {1234567890122.5, "1234567890122"},  // a tie rounds to the even digit
      {1234567890123.5, "1234567890124"},
      {9999999999999.5, "1e+013"},
      {1e20, "1e+020"},
      {1.5e-7, "1.5e-007"},
      {0.0001, "0.0001"},
      {0.00001, "1e-005"},
      {5.713383956446e262, "5.713383956446e+262"},
      {1.6388e-319, "1.638815747255e-319"},  // subnormal: the digits of its exact value
      {-1234567, "-1234567"},
      {-0.0, "-0"},
      {std::numeric_limits<double>::infinity(), "inf"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
      {std::nan(""), "nan"},
      {-std::nan(""), "nan"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(NumberToText(row.value), row.text);
  }
}

TEST(TextToNumber, ReadsTheLongestNumericPrefix) {
  const struct {
    const char* text;
    double value;
  } rows[] = {
      {"18", 18},
      {"  -2.5", -2.5},
      {"+7", 7},
      {"1,2", 1},
      {"0b", 0},
      {"", 0},
      {"abc", 0},
      {".5", 0.5},
      {"5.", 5},
      {"1e+020", 1e20},
      {"1.5e-007", 1.5e-7},
      {"1e", 1},
      {"0x10", 0},
      {"3.1415926535897932384", 3.141592653589793},
      {"1e999", std::numeric_limits<double>::infinity()},
      {"-1e999", -std::numeric_limits<double>::infinity()},
      {"1e-999", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(TextToNumber(row.text), row.value);
  }
}

TEST(TextToNumber, NonFiniteTextsReadBackAsWhatTheyStandFor) {
  EXPECT_EQ(TextToNumber("inf"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToNumber("-inf"), -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(TextToNumber("nan")));
}

TEST(TextToNumber, RoundTripsEveryOperandText) {
  for (double v : {1.0 / 3, 2.0 / 3, 1e-300, 1.7976931348623e308, 123456.789, -0.000123}) {
    const std::string text = NumberToText(v);
    SCOPED_TRACE(text);
    EXPECT_EQ(NumberToText(TextToNumber(text)), text);
  }
}

// "%.13g" of the exact binary value (libstdc++'s correctly rounded conversion), exponents of
// three digits: what NumberToText must give for every double.
std::string Exact13(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
  std::string text(buffer, result.ptr);
  const std::size_t e = text.find('e');
  if (e != std::string::npos && text.size() - (e + 2) < 3) {
    text.insert(e + 2, 3 - (text.size() - (e + 2)), '0');
  }
  return text;
}

// NumberToText finds the 13 digits from the shortest decimal that reads back: the same text
// as the exact conversion for every kind of double, around every rounding boundary too. Short
// decimals are read without the general reader: the same double as the library's.
// TABULEX_NUMBER_TEXT_COUNT sets how many random values (default 200,000).
TEST(NumberToText, GivesTheExactThirteenDigitTextForAnyDouble) {
  const char* count = std::getenv("TABULEX_NUMBER_TEXT_COUNT");
  const long n = count != nullptr ? std::atol(count) : 200000;
  std::mt19937_64 random(20261210);
  std::uniform_int_distribution<int> digits(1, 17);
  std::uniform_int_distribution<int> exponent(-30, 30);
  long differences = 0;
  const auto check = [&differences](double v) {
    if (NumberToText(v) != Exact13(v) && ++differences <= 10) {
      ADD_FAILURE() << std::hexfloat << v << ": " << NumberToText(v) << " != " << Exact13(v);
    }
  };
  for (long i = 0; i < n; ++i) {
    // Any bit pattern (subnormals, the largest values, negatives).
    const std::uint64_t bits = random();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) check(v);
    // Decimals as people and calculations make them: 1 to 17 digits, and 14-digit ones
    // ending in 5, right on a rounding boundary, with their neighbours.
    std::string text = std::to_string(random() % 9 + 1);
    const int length = digits(random);
    for (int k = 1; k < length; ++k) text += static_cast<char>('0' + random() % 10);
    if (i % 4 == 0) {
      text.resize(13, '0');
      text += '5';
    }
    const double decimal =
        std::strtod((text + "e" + std::to_string(exponent(random))).c_str(), nullptr);
    check(decimal);
    check(std::nextafter(decimal, 0.0));
    check(std::nextafter(decimal, 1e300));
    check(static_cast<double>(random() % 100000) / static_cast<double>(random() % 999 + 1));
    check(std::numeric_limits<double>::denorm_min() * static_cast<double>(random() % 100000));
    // Reading: the same digits with a point somewhere, as the nearest double.
    const std::string withPoint = text.insert(random() % (text.size() + 1), ".");
    double nearest = 0;
    std::from_chars(withPoint.data(), withPoint.data() + withPoint.size(), nearest);
    if (TextToNumber(withPoint) != nearest && ++differences <= 10) {
      ADD_FAILURE() << withPoint << " read as " << std::hexfloat << TextToNumber(withPoint);
    }
  }
  EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace tabulex
