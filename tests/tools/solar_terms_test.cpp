#include "tools/solar_terms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

constexpr int kSpring = 0;
constexpr int kClearBright = 1;
constexpr int kGrainRain = 2;
constexpr int kSummer = 6;
constexpr int kAutumn = 12;
constexpr int kWinter = 18;
constexpr int kMinorCold = 19;
constexpr int kSpringBegins = 21;
constexpr int kRainWater = 22;
constexpr int kInsectsAwaken = 23;

std::string Name(int index) {
  return GbkToUtf8(SolarTermName(index));
}

TEST(SolarTerms, NamesTheTwentyFourByLongitude) {
  const char* const names[kSolarTermCount] = {"春分", "清明", "谷雨", "立夏", "小满", "芒种",
                                              "夏至", "小暑", "大暑", "立秋", "处暑", "白露",
                                              "秋分", "寒露", "霜降", "立冬", "小雪", "大雪",
                                              "冬至", "小寒", "大寒", "立春", "雨水", "惊蛰"};
  for (int index = 0; index < kSolarTermCount; ++index) EXPECT_EQ(Name(index), names[index]);
}

// Meeus, "Astronomical Algorithms", example 25.b: 1992 October 13.0 TD, λ = 199°54′21.818″.
TEST(SolarTerms, PlacesTheSunAsTheWorkedExample) {
  EXPECT_NEAR(SunApparentLongitude(2448908.5), 199.0 + 54.0 / 60 + 21.818 / 3600, 0.5 / 3600);
}

// Published instants of equinoxes and solstices (UT, to the minute).
TEST(SolarTerms, FindsTheMomentWithinAMinute) {
  const struct {
    int year;
    int index;
    CivilDate date;
    int hour;
    int minute;
  } rows[] = {
      {2000, kSpring, {2000, 3, 20}, 7, 35},  {2000, kSummer, {2000, 6, 21}, 1, 48},
      {2000, kAutumn, {2000, 9, 22}, 17, 27}, {2000, kWinter, {2000, 12, 21}, 13, 37},
      {2021, kSpring, {2021, 3, 20}, 9, 37},  {2021, kWinter, {2021, 12, 21}, 15, 59},
      {2023, kSummer, {2023, 6, 21}, 14, 58}, {2023, kWinter, {2023, 12, 22}, 3, 27},
      {2024, kSpring, {2024, 3, 20}, 3, 6},   {2024, kSummer, {2024, 6, 20}, 20, 51},
      {2024, kAutumn, {2024, 9, 22}, 12, 44}, {2024, kWinter, {2024, 12, 21}, 9, 21},
      {2025, kSpring, {2025, 3, 20}, 9, 1},   {2025, kWinter, {2025, 12, 21}, 15, 3},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatCivilDate(row.date) + " " + Name(row.index));
    const double published = static_cast<double>(DayNumber(row.date)) + 2440587.5 +
                             (row.hour * 60 + row.minute) / 1440.0;
    EXPECT_NEAR(SolarTermMoment(row.year, row.index), published, 1.0 / 1440);
  }
}

TEST(SolarTerms, FallOnTheirDayInChina) {
  const struct {
    CivilDate date;
    int index;
  } rows[] = {
      {{2024, 1, 6}, kMinorCold},
      {{2024, 2, 4}, kSpringBegins},
      {{2024, 2, 19}, kRainWater},
      {{2024, 3, 5}, kInsectsAwaken},
      {{2024, 3, 20}, kSpring},
      {{2024, 4, 4}, kClearBright},
      {{2024, 4, 19}, kGrainRain},
      {{2024, 6, 21}, kSummer},
      {{2024, 9, 22}, kAutumn},
      {{2024, 12, 21}, kWinter},
      {{2023, 2, 4}, kSpringBegins},
      {{2023, 12, 22}, kWinter},
      {{2025, 2, 3}, kSpringBegins},
      {{2025, 3, 20}, kSpring},
      // At 23:03 China time.
      {{2025, 12, 21}, kWinter},
      // At 23:59 China time: a minute later it would be the next day's.
      {{2021, 12, 21}, kWinter},
      {{1990, 12, 22}, kWinter},
      {{2000, 3, 20}, kSpring},
      {{2021, 2, 3}, kSpringBegins},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatCivilDate(row.date) + " " + Name(row.index));
    EXPECT_EQ(SolarTermOn(row.date), row.index);
    EXPECT_EQ(SolarTermOn(AddDays(row.date, -1).value()), std::nullopt);
    EXPECT_EQ(SolarTermOn(AddDays(row.date, 1).value()), std::nullopt);
    EXPECT_EQ(SolarTermDate(row.date.year, row.index), row.date);
  }
}

// The day of a term is found two ways: by solving for its moment, and by the sun's longitude at
// the day's two midnights. Both must agree on every term of the span, the turn of 360° at
// 春分 included.
TEST(SolarTerms, DayAndMomentAgreeOverTheWholeSpan) {
  for (int year = 1901; year <= 2099; ++year) {
    for (int index = 0; index < kSolarTermCount; ++index) {
      const CivilDate date = SolarTermDate(year, index);
      ASSERT_EQ(SolarTermOn(date), index) << FormatCivilDate(date) << " " << Name(index);
    }
  }
}

TEST(SolarTerms, AreGivenForTheLunarCalendarsYearsOnly) {
  EXPECT_EQ(SolarTermOn({2100, 3, 20}), std::nullopt);
  EXPECT_EQ(SolarTermOn({1900, 12, 22}), std::nullopt);
}

TEST(DeltaT, FollowsTheObservedValues) {
  // Observed values; after 2005 the polynomial is an extrapolation and runs a little ahead.
  const struct {
    double year;
    double seconds;
    double tolerance;
  } rows[] = {{1910.0, 10.4, 0.5}, {1930.0, 24.0, 0.5}, {1970.0, 40.2, 0.5},
              {1990.0, 56.9, 0.5}, {2010.0, 66.1, 1.0}, {2020.0, 69.4, 3.0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.year);
    EXPECT_NEAR(DeltaTSeconds(row.year), row.seconds, row.tolerance);
  }
}

}  // namespace
}  // namespace tabulex
