#include "engine/number_text.h"

#include <gtest/gtest.h>

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
      {1e20, "1e+020"},
      {1.5e-7, "1.5e-007"},
      {0.0001, "0.0001"},
      {0.00001, "1e-005"},
      {5.713383956446e262, "5.713383956446e+262"},
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

}  // namespace
}  // namespace tabulex
