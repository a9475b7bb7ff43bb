#include "tools/date_report.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

TEST(DescribeDate, WritesDateWeekdayLunarDateAndTerm) {
  const struct {
    CivilDate date;
    const char* line;
  } rows[] = {
      {{2024, 2, 10}, "2024-02-10 星期六 甲辰年 (龙) 正月初一"},
      {{2024, 2, 4}, "2024-02-04 星期日 癸卯年 (兔) 腊月廿五 立春"},
      {{2023, 3, 22}, "2023-03-22 星期三 癸卯年 (兔) 闰二月初一"},
      {{2024, 12, 21}, "2024-12-21 星期六 甲辰年 (龙) 冬月廿一 冬至"},
      // Outside the lunar calendar's years the rest still comes.
      {{1900, 5, 1}, "1900-05-01 星期二 农历日期仅限1901年至2099年"},
      {{2100, 3, 20}, "2100-03-20 星期六 农历日期仅限1901年至2099年"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(GbkToUtf8(DescribeDate(row.date)), row.line);
  }
}

TEST(DayInYearText, ShowsTheIsoYearWhereItDiffers) {
  EXPECT_EQ(GbkToUtf8(DayInYearText({2024, 2, 10})), "本年第41天，2024年第6周");
  EXPECT_EQ(GbkToUtf8(DayInYearText({2021, 1, 3})), "本年第3天，2020年第53周");
  EXPECT_EQ(GbkToUtf8(DayInYearText({2024, 12, 30})), "本年第365天，2025年第1周");
}

TEST(DateSpanText, GivesDaysWeeksAndWorkingDays) {
  const struct {
    const char* from;
    const char* to;
    const char* text;
  } rows[] = {
      {"2024-02-05", "2024-02-15", "相差 10 天（1周3天），工作日 8 天"},
      {"2024-02-15", "2024-02-05", "相差 -10 天（-1周3天），工作日 -8 天"},
      {"2024-02-10", "2024-02-10", "相差 0 天（0周0天），工作日 0 天"},
      {"2000/1/1", "2100年1月1日", "相差 36525 天（5217周6天），工作日 26089 天"},
      {"2024-02-30", "2024-03-01", "日期无效：2024年2月没有30日"},
      {"2024-02-01", "2023-02-29", "日期无效：2023年2月没有29日"},
      {"2024-02-01", "", "请输入日期"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.from) + " " + row.to);
    EXPECT_EQ(GbkToUtf8(DateSpanText(Utf8ToGbk(row.from), Utf8ToGbk(row.to))), row.text);
  }
}

TEST(DatePlusDaysText, AddsASignedCount) {
  const struct {
    const char* date;
    const char* days;
    const char* text;
  } rows[] = {
      {"2024-02-10", "20", "2024-03-01 星期五"},
      {"2024-02-10", "+20", "2024-03-01 星期五"},
      {"2024-03-01", "-20", "2024-02-10 星期六"},
      {"2024-02-10", " －２０ ", "2024-01-21 星期日"},
      {"2024-02-10", "0", "2024-02-10 星期六"},
      {"2024-02-10", "00000000000000000001", "2024-02-11 星期日"},
      {"9999-12-31", "1", "结果超出范围：日期应在0001-01-01至9999-12-31之间"},
      {"2024-02-10", "99999999999999999999999", "结果超出范围：日期应在0001-01-01至9999-12-31之间"},
      {"2024-02-10", "", "请输入天数"},
      {"2024-02-10", "1.5", "天数应为整数，例如 30 或 -30"},
      {"2024-02-10", "-", "天数应为整数，例如 30 或 -30"},
      {"2024-02-10", "2周", "天数应为整数，例如 30 或 -30"},
      {"2023-02-29", "1", "日期无效：2023年2月没有29日"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.date) + " + " + row.days);
    EXPECT_EQ(GbkToUtf8(DatePlusDaysText(Utf8ToGbk(row.date), Utf8ToGbk(row.days))), row.text);
  }
}

TEST(LunarToCivilText, GivesTheDateWithItsWeekdayOrWhyThereIsNone) {
  EXPECT_EQ(GbkToUtf8(LunarToCivilText({2024, 1, LunarMonthKind::Ordinary, 1})),
            "2024-02-10 星期六");
  EXPECT_EQ(GbkToUtf8(LunarToCivilText({2024, 3, LunarMonthKind::Leap, 1})),
            "农历2024年（甲辰年）没有闰三月");
}

}  // namespace
}  // namespace tabulex
