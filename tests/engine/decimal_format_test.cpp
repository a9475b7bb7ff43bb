#include "engine/decimal_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tabulex {
namespace {

TEST(RoundHalfUp, RoundsHalfAwayFromZeroAfterANudge) {
  const struct {
    double x;
    int d;
    double rounded;
  } rows[] = {
      {2.675, 2, 2.68},           {1.005, 2, 1.01}, {-2.5, 0, -3},
      {0.125, 2, 0.13},           {2.4, 0, 2},      {0, 5, 0},
      {1234, -2, 1200},           {1250, -2, 1300}, {-0.004, 2, 0.0},
      {0.6666666666667, 2, 0.67},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.x) + " to " + std::to_string(row.d));
    EXPECT_DOUBLE_EQ(RoundHalfUp(row.x, row.d), row.rounded);
  }
}

TEST(RoundHalfUp, ScalesBeyondTheDoubleRangeLeaveTheValue) {
  EXPECT_EQ(RoundHalfUp(0.5, 400), 0.5);
  EXPECT_EQ(RoundHalfUp(1e300, 13), 1e300);
  EXPECT_EQ(RoundHalfUp(2.5, -2147483647 - 1), 2.5);
}

TEST(FormatFixedNumber, PadsAndGroups) {
  const struct {
    double x;
    std::optional<int> d;
    Grouping grouping;
    const char* text;
  } rows[] = {
      {1234567.891, std::nullopt, Grouping::Commas, "1,234,567.891"},
      {-1234, std::nullopt, Grouping::Commas, "-1,234"},
      {123, std::nullopt, Grouping::Commas, "123"},
      {-123, std::nullopt, Grouping::Commas, "-123"},
      {1234.5, std::nullopt, Grouping::None, "1234.5"},
      {2, 2, Grouping::None, "2.00"},
      {2.5, 2, Grouping::None, "2.50"},
      {2.0 / 3, 2, Grouping::None, "0.67"},
      {1234.5, 2, Grouping::Commas, "1,234.50"},
      {1e20, std::nullopt, Grouping::Commas, "1e+020"},  // not digits only: no groups
      {5, 0, Grouping::None, "5"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(FormatFixedNumber(row.x, row.d, row.grouping), row.text);
  }
}

TEST(FormatFixedNumber, PaddingStaysBoundedWhateverThePrecision) {
  EXPECT_LT(FormatFixedNumber(1, 2000000000, Grouping::None).size(), 1000u);
}

TEST(FormatDecimalResult, FollowsPrecisionRoundingAndSeparator) {
  const struct {
    const char* value;
    int precision;
    bool rounding;
    int separator;
    const char* text;
  } rows[] = {
      {"0.6666666666667", 13, true, 0, "0.6666666666667"},
      {"0.6666666666667", 2, true, 0, "0.67"},
      {"2", 2, true, 0, "2"},
      {"2.5", 2, true, 0, "2.5"},
      {"2.675", 2, true, 0, "2.68"},
      {"0.6666666666667", 2, false, 0, "0.67"},
      {"2", 2, false, 0, "2.00"},
      {"2.5", 2, false, 0, "2.50"},
      {"2", 13, false, 0, "2.0000000000000"},
      {"1234567.891", 13, true, 2, "1,234,567.891"},
      {"-1234567", 13, true, 2, "-1,234,567"},
      {"1234567", 13, true, 1, "1;234;567"},
      {"1234567.5", 0, false, 1, "1;234;568"},
      {"-0", 13, true, 0, "0"},
      {"-0.0001", 2, true, 0, "0"},
      {"-0.0001", 2, false, 0, "0.00"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value);
    CalcSettings settings;
    settings.precisionDigits = row.precision;
    settings.decimalRounding = row.rounding;
    settings.thousandsSeparator = row.separator;
    EXPECT_EQ(FormatDecimalResult(row.value, settings), row.text);
  }
}

}  // namespace
}  // namespace tabulex
