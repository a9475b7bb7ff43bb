#include "tools/civil_date.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

Outcome<CivilDate> Parse(const char* utf8) {
  return ParseCivilDate(Utf8ToGbk(utf8));
}

TEST(ParseCivilDate, ReadsEachWrittenForm) {
  const struct {
    const char* input;  // UTF-8, as typed
    CivilDate expected;
  } rows[] = {
      {"2024-02-10", {2024, 2, 10}},
      {"2024/02/10", {2024, 2, 10}},
      {"2024/2/1", {2024, 2, 1}},
      {"2024-2-29", {2024, 2, 29}},
      {"2024年2月10日", {2024, 2, 10}},
      {"2024年12月31日", {2024, 12, 31}},
      {"２０２４－０２－１０", {2024, 2, 10}},
      {"２０２４年２月１０日", {2024, 2, 10}},
      {"  2024-02-10\t", {2024, 2, 10}},
      {"　2024/2/10　", {2024, 2, 10}},
      {"0001-01-01", {1, 1, 1}},
      {"9999-12-31", {9999, 12, 31}},
      {"2000-02-29", {2000, 2, 29}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    const Outcome<CivilDate> date = Parse(row.input);
    ASSERT_TRUE(date.ok()) << GbkToUtf8(date.message());
    EXPECT_EQ(date.value(), row.expected);
  }
}

TEST(ParseCivilDate, RefusesWhatIsNoDateWithItsReason) {
  const std::string format = "日期格式错误：应为 2024-02-10、2024/2/10 或 2024年2月10日";
  const struct {
    const char* input;
    std::string message;  // UTF-8
  } rows[] = {
      // Dates that do not exist are never moved to one that does.
      {"2024-02-30", "日期无效：2024年2月没有30日"},
      {"2023-02-29", "日期无效：2023年2月没有29日"},
      {"1900-02-29", "日期无效：1900年2月没有29日"},
      {"2024-04-31", "日期无效：2024年4月没有31日"},
      {"2024-13-01", "日期无效：没有13月"},
      {"2024-00-10", "日期无效：没有0月"},
      {"2024-01-00", "日期无效：2024年1月没有0日"},
      {"2024年2月30日", "日期无效：2024年2月没有30日"},
      {"0000-01-01", "日期无效：年份应在1至9999之间"},
      {"", "请输入日期"},
      {"   ", "请输入日期"},
      // A two-digit year could mean any century.
      {"24-02-10", format},
      {"20240-02-10", format},
      {"2024-002-10", format},
      {"2024-02/10", format},
      {"2024/02-10", format},
      {"2024年2月10", format},
      {"2024-02-10日", format},
      {"2024-02-10 12:00", format},
      {"2024.02.10", format},
      {"2024--10", format},
      {"2024-02-", format},
      {"abcd-02-10", format},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    const Outcome<CivilDate> date = Parse(row.input);
    ASSERT_FALSE(date.ok());
    EXPECT_EQ(GbkToUtf8(date.message()), row.message);
  }
}

TEST(CivilDate, CountsDaysAcrossLeapYearsAndCenturies) {
  const struct {
    CivilDate from;
    CivilDate to;
    std::int64_t days;
  } rows[] = {
      {{2024, 2, 28}, {2024, 3, 1}, 2},
      {{2023, 2, 28}, {2023, 3, 1}, 1},
      // 1900 is no leap year, 2000 is.
      {{1900, 2, 28}, {1900, 3, 1}, 1},
      {{2000, 2, 28}, {2000, 3, 1}, 2},
      {{2100, 2, 28}, {2100, 3, 1}, 1},
      {{1900, 1, 1}, {2000, 1, 1}, 36524},
      {{2000, 1, 1}, {2100, 1, 1}, 36525},
      {{1600, 1, 1}, {2000, 1, 1}, 146097},
      {{2024, 1, 1}, {2025, 1, 1}, 366},
      {{2024, 3, 10}, {2024, 3, 1}, -9},
      {{1970, 1, 1}, {1969, 12, 31}, -1},
      {{1, 1, 1}, {9999, 12, 31}, 3652058},
      {{2024, 2, 10}, {2024, 2, 10}, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatCivilDate(row.from) + " to " + FormatCivilDate(row.to));
    EXPECT_EQ(DaysBetween(row.from, row.to), row.days);
    const Outcome<CivilDate> back = AddDays(row.from, row.days);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.value(), row.to);
  }
}

TEST(CivilDate, AddingDaysStaysWithinTheYearsItKnows) {
  EXPECT_EQ(AddDays({2024, 2, 28}, 1).value(), (CivilDate{2024, 2, 29}));
  EXPECT_EQ(AddDays({1900, 2, 28}, 1).value(), (CivilDate{1900, 3, 1}));
  EXPECT_EQ(AddDays({2024, 12, 31}, 1).value(), (CivilDate{2025, 1, 1}));
  EXPECT_EQ(AddDays({2024, 3, 1}, -1).value(), (CivilDate{2024, 2, 29}));
  for (const auto& [date, days] :
       {std::pair{CivilDate{9999, 12, 31}, std::int64_t{1}},
        std::pair{CivilDate{1, 1, 1}, std::int64_t{-1}},
        std::pair{CivilDate{2024, 1, 1}, INT64_MAX}, std::pair{CivilDate{2024, 1, 1}, INT64_MIN}}) {
    SCOPED_TRACE(FormatCivilDate(date) + " + " + std::to_string(days));
    const Outcome<CivilDate> result = AddDays(date, days);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(GbkToUtf8(result.message()), "结果超出范围：日期应在0001-01-01至9999-12-31之间");
  }
}

TEST(CivilDate, NamesTheWeekdayAndTheDayOfTheYear) {
  const struct {
    CivilDate date;
    const char* weekday;
    int dayOfYear;
  } rows[] = {
      {{2024, 2, 10}, "星期六", 41},   {{2024, 2, 12}, "星期一", 43},
      {{2024, 12, 31}, "星期二", 366}, {{2023, 12, 31}, "星期日", 365},
      {{1970, 1, 1}, "星期四", 1},     {{1949, 10, 1}, "星期六", 274},
      {{2000, 1, 1}, "星期六", 1},     {{1900, 1, 1}, "星期一", 1},
      {{1, 1, 1}, "星期一", 1},        {{9999, 12, 31}, "星期五", 365},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatCivilDate(row.date));
    EXPECT_EQ(GbkToUtf8(WeekdayName(WeekdayOf(row.date))), row.weekday);
    EXPECT_EQ(DayOfYear(row.date), row.dayOfYear);
  }
}

TEST(CivilDate, GivesTheIsoWeekWithItsOwnYear) {
  const struct {
    CivilDate date;
    IsoWeek week;
  } rows[] = {
      {{2024, 2, 10}, {2024, 6}},
      // Early January may belong to the last week of the year before ...
      {{2021, 1, 3}, {2020, 53}},
      {{2021, 1, 4}, {2021, 1}},
      {{2023, 1, 1}, {2022, 52}},
      {{2016, 1, 1}, {2015, 53}},
      // ... and late December to the first week of the next.
      {{2024, 12, 30}, {2025, 1}},
      {{2024, 12, 29}, {2024, 52}},
      {{2019, 12, 30}, {2020, 1}},
      {{2020, 12, 31}, {2020, 53}},
      {{2026, 1, 1}, {2026, 1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatCivilDate(row.date));
    EXPECT_EQ(IsoWeekOf(row.date), row.week);
  }
  EXPECT_EQ(GbkToUtf8(IsoWeekText({2020, 53})), "2020年第53周");
}

TEST(CivilDate, CountsWorkingDaysFromTheFirstDayUpToTheLast) {
  const struct {
    CivilDate from;
    CivilDate to;
    std::int64_t workingDays;
  } rows[] = {
      // 2024-02-05 is a Monday.
      {{2024, 2, 5}, {2024, 2, 5}, 0},
      {{2024, 2, 5}, {2024, 2, 6}, 1},
      {{2024, 2, 5}, {2024, 2, 10}, 5},
      {{2024, 2, 5}, {2024, 2, 12}, 5},
      {{2024, 2, 5}, {2024, 2, 13}, 6},
      // From a Saturday: the weekend adds nothing.
      {{2024, 2, 10}, {2024, 2, 12}, 0},
      {{2024, 2, 10}, {2024, 2, 13}, 1},
      {{2024, 2, 9}, {2024, 2, 12}, 1},
      {{2024, 1, 1}, {2025, 1, 1}, 262},
      // Backwards: the same days, negative.
      {{2024, 2, 13}, {2024, 2, 5}, -6},
      {{2024, 2, 12}, {2024, 2, 10}, 0},
      // Before 1970 the weeks fall the same way.
      {{1969, 12, 29}, {1970, 1, 5}, 5},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatCivilDate(row.from) + " to " + FormatCivilDate(row.to));
    EXPECT_EQ(WorkingDaysBetween(row.from, row.to), row.workingDays);
  }
}

TEST(CivilDate, WritesTheDateWithFourDigitYear) {
  EXPECT_EQ(FormatCivilDate({2024, 2, 10}), "2024-02-10");
  EXPECT_EQ(FormatCivilDate({1, 1, 1}), "0001-01-01");
}

}  // namespace
}  // namespace tabulex
