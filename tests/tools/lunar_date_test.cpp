#include "tools/lunar_date.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

constexpr LunarMonthKind kOrdinary = LunarMonthKind::Ordinary;
constexpr LunarMonthKind kLeap = LunarMonthKind::Leap;

std::string Text(const CivilDate& date) {
  const Outcome<LunarDate> lunar = LunarDateOf(date);
  return GbkToUtf8(lunar.ok() ? LunarDateText(lunar.value()) : lunar.message());
}

// The first day of the lunar year, from published tables across the span. The point is that
// ICU is asked the right way: zone, noon, fields and the year's numbering. 2030 is left out:
// its new moon comes 7 minutes after midnight China time on 02-03, and ICU 72 puts it before
// midnight and the new year on 02-02.
TEST(LunarDate, FindsTheLunarNewYear) {
  const CivilDate rows[] = {
      {1901, 2, 19}, {1912, 2, 18}, {1949, 1, 29}, {1950, 2, 17}, {1966, 1, 21},
      {1976, 1, 31}, {1984, 2, 2},  {1990, 1, 27}, {2000, 2, 5},  {2001, 1, 24},
      {2008, 2, 7},  {2010, 2, 14}, {2017, 1, 28}, {2020, 1, 25}, {2023, 1, 22},
      {2024, 2, 10}, {2025, 1, 29}, {2050, 1, 23}, {2099, 1, 21},
  };
  for (const CivilDate& date : rows) {
    SCOPED_TRACE(FormatCivilDate(date));
    const Outcome<LunarDate> lunar = LunarDateOf(date);
    ASSERT_TRUE(lunar.ok());
    EXPECT_EQ(lunar.value(), (LunarDate{date.year, 1, kOrdinary, 1}));
    // The day before still belongs to the old year's last month.
    const Outcome<LunarDate> eve = LunarDateOf(AddDays(date, -1).value());
    ASSERT_TRUE(eve.ok());
    EXPECT_EQ(eve.value().year, date.year - 1);
    EXPECT_EQ(eve.value().month, 12);
  }
}

TEST(LunarDate, WritesYearAnimalMonthAndDay) {
  const struct {
    CivilDate date;
    const char* text;
  } rows[] = {
      {{2024, 2, 10}, "甲辰年 (龙) 正月初一"},
      {{2024, 2, 4}, "癸卯年 (兔) 腊月廿五"},
      {{1984, 2, 2}, "甲子年 (鼠) 正月初一"},
      {{2000, 2, 5}, "庚辰年 (龙) 正月初一"},
      {{2024, 9, 17}, "甲辰年 (龙) 八月十五"},
      {{2024, 6, 10}, "甲辰年 (龙) 五月初五"},
      {{2024, 12, 1}, "甲辰年 (龙) 冬月初一"},
      {{2024, 12, 30}, "甲辰年 (龙) 冬月三十"},
      {{2024, 12, 31}, "甲辰年 (龙) 腊月初一"},
      {{2025, 1, 28}, "甲辰年 (龙) 腊月廿九"},
      // The leap months of 2020, 2023 and 2025 begin on these days.
      {{2020, 5, 23}, "庚子年 (鼠) 闰四月初一"},
      {{2023, 3, 22}, "癸卯年 (兔) 闰二月初一"},
      {{2023, 3, 21}, "癸卯年 (兔) 二月三十"},
      {{2025, 7, 25}, "乙巳年 (蛇) 闰六月初一"},
      {{2025, 7, 24}, "乙巳年 (蛇) 六月三十"},
      {{1901, 1, 1}, "庚子年 (鼠) 冬月十一"},
      {{2099, 12, 31}, "己未年 (羊) 冬月二十"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatCivilDate(row.date));
    EXPECT_EQ(Text(row.date), row.text);
  }
}

TEST(LunarDate, IsOfferedFor1901To2099Only) {
  for (const CivilDate date : {CivilDate{1900, 12, 31}, CivilDate{2100, 1, 1}, CivilDate{1, 1, 1},
                               CivilDate{9999, 12, 31}}) {
    SCOPED_TRACE(FormatCivilDate(date));
    EXPECT_EQ(Text(date), "农历日期仅限1901年至2099年");
  }
}

TEST(LunarDate, NamesTheYearOfTheCycle) {
  const struct {
    int year;
    const char* name;
    const char* animal;
  } rows[] = {
      {2024, "甲辰", "龙"}, {1984, "甲子", "鼠"}, {2000, "庚辰", "龙"}, {2023, "癸卯", "兔"},
      {1949, "己丑", "牛"}, {2043, "癸亥", "猪"}, {1901, "辛丑", "牛"}, {2099, "己未", "羊"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.year);
    EXPECT_EQ(GbkToUtf8(LunarYearName(row.year)), row.name);
    EXPECT_EQ(GbkToUtf8(ZodiacName(row.year)), row.animal);
  }
}

TEST(LunarDate, NamesDaysAndMonths) {
  const char* const days[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                              "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                              "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                              "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  for (int day = 1; day <= 30; ++day) {
    SCOPED_TRACE(day);
    EXPECT_EQ(GbkToUtf8(LunarDayName(day)), days[day - 1]);
  }
  EXPECT_EQ(GbkToUtf8(LunarMonthName(11, kOrdinary)), "冬月");
  EXPECT_EQ(GbkToUtf8(LunarMonthName(2, kLeap)), "闰二月");
}

TEST(CivilDateOfLunar, FindsTheGregorianDate) {
  const struct {
    LunarDate lunar;
    CivilDate date;
  } rows[] = {
      {{2024, 1, kOrdinary, 1}, {2024, 2, 10}},  {{2023, 12, kOrdinary, 25}, {2024, 2, 4}},
      {{2024, 8, kOrdinary, 15}, {2024, 9, 17}}, {{2023, 2, kOrdinary, 30}, {2023, 3, 21}},
      {{2023, 2, kLeap, 1}, {2023, 3, 22}},      {{2020, 4, kLeap, 1}, {2020, 5, 23}},
      {{2025, 6, kLeap, 1}, {2025, 7, 25}},      {{1984, 1, kOrdinary, 1}, {1984, 2, 2}},
      {{1900, 11, kOrdinary, 11}, {1901, 1, 1}}, {{2099, 11, kOrdinary, 20}, {2099, 12, 31}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatCivilDate(row.date));
    const Outcome<CivilDate> date = CivilDateOfLunar(row.lunar);
    ASSERT_TRUE(date.ok()) << GbkToUtf8(date.message());
    EXPECT_EQ(date.value(), row.date);
  }
}

TEST(CivilDateOfLunar, RefusesALunarDateThatDoesNotExist) {
  const struct {
    LunarDate lunar;
    const char* message;
  } rows[] = {
      // 2024 has no leap month at all, 2023 only the second.
      {{2024, 3, kLeap, 1}, "农历2024年（甲辰年）没有闰三月"},
      {{2023, 3, kLeap, 10}, "农历2023年（癸卯年）没有闰三月"},
      // 正月 of 2024 has 29 days.
      {{2024, 1, kOrdinary, 30}, "农历2024年（甲辰年）正月没有三十"},
      {{2023, 2, kLeap, 30}, "农历2023年（癸卯年）闰二月没有三十"},
      {{2024, 13, kOrdinary, 1}, "农历2024年（甲辰年）没有13月"},
      {{2024, 1, kOrdinary, 31}, "农历2024年（甲辰年）正月没有31日"},
      {{2024, 1, kOrdinary, 0}, "农历2024年（甲辰年）正月没有0日"},
      {{1899, 1, kOrdinary, 1}, "农历日期仅限1901年至2099年"},
      {{2100, 1, kOrdinary, 1}, "农历日期仅限1901年至2099年"},
      // Lunar 1900 began in 1900 and 2099's last month reaches into 2100.
      {{1900, 1, kOrdinary, 1}, "农历日期仅限1901年至2099年"},
      {{2099, 12, kOrdinary, 1}, "农历日期仅限1901年至2099年"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    const Outcome<CivilDate> date = CivilDateOfLunar(row.lunar);
    ASSERT_FALSE(date.ok());
    EXPECT_EQ(GbkToUtf8(date.message()), row.message);
  }
}

// Every day of the span converts to a lunar date and back to itself.
TEST(CivilDateOfLunar, TurnsEveryLunarDateOfSomeYearsBack) {
  for (const int year : {1901, 1966, 2023, 2057, 2099}) {
    SCOPED_TRACE(year);
    for (CivilDate date{year, 1, 1}; date.year == year; date = AddDays(date, 1).value()) {
      const Outcome<LunarDate> lunar = LunarDateOf(date);
      ASSERT_TRUE(lunar.ok());
      const Outcome<CivilDate> back = CivilDateOfLunar(lunar.value());
      ASSERT_TRUE(back.ok()) << FormatCivilDate(date);
      EXPECT_EQ(back.value(), date);
    }
  }
}

}  // namespace
}  // namespace tabulex
