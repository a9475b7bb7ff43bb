#include "tools/exact_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

mpq_class Fraction(long numerator, long denominator) {
  return mpq_class(numerator) / denominator;
}

mpq_class DigitsOverPowerOfTen(const char* digits, unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
  return mpq_class(mpz_class(digits)) / power;
}

TEST(ReadExactNumber, ReadsAWholeDecimalNumberExactly) {
  const struct {
    const char* text;  // UTF-8, as typed
    mpq_class expected;
  } rows[] = {
      {"0.1", Fraction(1, 10)},
      {"12", 12},
      {"  12 ", 12},
      {"　7　", 7},
      {"１２．５", Fraction(25, 2)},
      {"－３", -3},
      {"+5", 5},
      {"-2.25", Fraction(-9, 4)},
      {".5", Fraction(1, 2)},
      {"5.", 5},
      {"007", 7},
      {"1e3", 1000},
      {"1E-2", Fraction(1, 100)},
      {"2.5e+1", 25},
      {"１ｅ２", 100},
      {"-0", 0},
      {"0.000", 0},
      // More digits than a double holds, all of them kept.
      {"0.3333333333333333333333", DigitsOverPowerOfTen("3333333333333333333333", 22)},
      {"-12345678901234567890.5e-3", -DigitsOverPowerOfTen("123456789012345678905", 4)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const auto value = ReadExactNumber(Utf8ToGbk(row.text));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, row.expected) << value->get_str();
  }
}

TEST(ReadExactNumber, AnythingButANumberIsNothing) {
  for (const char* text :
       {"",    " ",    "abc", "1.2.3", "1e",    "1e+", "e5",  ".",     "-", "+-1",   "--1",
        "1 2", "0x10", "1,5", "1/2",   "12abc", "inf", "nan", "1e2.5", "∞", "１２价"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ReadExactNumber(Utf8ToGbk(text)).has_value());
  }
}

// An exponent of any length reads at once, and still overflows or vanishes like its value.
TEST(ReadExactNumber, HugeExponentsKeepTheirEffect) {
  const auto huge = ReadExactNumber("1e999999999999999999");
  ASSERT_TRUE(huge.has_value());
  EXPECT_EQ(NearestDouble(*huge), std::numeric_limits<double>::infinity());
  const auto tiny = ReadExactNumber("-1e-999999999999999999");
  ASSERT_TRUE(tiny.has_value());
  EXPECT_LT(*tiny, 0);
  EXPECT_EQ(NearestDouble(*tiny), 0.0);
  EXPECT_TRUE(std::signbit(NearestDouble(*tiny)));
  // Digits and exponent together decide the size: this is 1e300.
  const auto balanced = ReadExactNumber("0." + std::string(2999, '0') + "1e3300");
  ASSERT_TRUE(balanced.has_value());
  EXPECT_EQ(NearestDouble(*balanced), 1e300);
}

mpq_class PowerOfTwo(unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 2, exponent);
  return mpq_class(power);
}

TEST(NearestDouble, RoundsToTheNearestTiesToEven) {
  constexpr double kMax = std::numeric_limits<double>::max();
  const double kInfinity = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    mpq_class value;
    double expected;
  } rows[] = {
      {"0", 0, 0.0},
      // The double nearest to 1/10 lies above it: truncation alone would miss it.
      {"1/10", Fraction(1, 10), 0.1},
      {"-1/10", Fraction(-1, 10), -0.1},
      {"1/3", Fraction(1, 3), 1.0 / 3},
      {"2/3", Fraction(2, 3), 2.0 / 3},
      {"2^53+1", PowerOfTwo(53) + 1, 9007199254740992.0},
      {"2^53+3", PowerOfTwo(53) + 3, 9007199254740996.0},
      {"-(2^53+3)", -(PowerOfTwo(53) + 3), -9007199254740996.0},
      {"1e-320", 1 / mpq_class(mpz_class("1" + std::string(320, '0'))), 1e-320},
      {"3e-324", 3 / mpq_class(mpz_class("1" + std::string(324, '0'))), 5e-324},
      {"2e-324", 2 / mpq_class(mpz_class("1" + std::string(324, '0'))), 0.0},
      {"max", mpq_class(kMax), kMax},
      {"max + 2^969", mpq_class(kMax) + PowerOfTwo(969), kMax},
      {"max + 2^970", mpq_class(kMax) + PowerOfTwo(970), kInfinity},
      {"-(max + 2^970)", -(mpq_class(kMax) + PowerOfTwo(970)), -kInfinity},
      {"1e400", mpq_class(mpz_class("1" + std::string(400, '0'))), kInfinity},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(NearestDouble(row.value), row.expected);
  }
}

}  // namespace
}  // namespace tabulex
