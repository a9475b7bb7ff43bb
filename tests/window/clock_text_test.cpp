#include "window/clock_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulex {
namespace {

const std::string kTen(10, ' ');

TEST(ClockText, TwelveHourFormWithoutLeadingZeros) {
  const struct {
    const char* name;
    LocalTime time;
    std::string text;
  } rows[] = {
      {"00:30 shows 12",
       {2024, 3, 10, 0, 30, 0, 0},
       kTen + "2024年 3月 10日 12点 30分 0秒  星期日"},
      {"13:05 shows 1 and 5",
       {2024, 3, 9, 13, 5, 7, 6},
       kTen + "2024年 3月 9日 1点 5分 7秒  星期六"},
      {"noon stays 12",
       {2023, 12, 31, 12, 0, 59, 0},
       kTen + "2023年 12月 31日 12点 0分 59秒  星期日"},
      {"23:59 shows 11",
       {2025, 1, 1, 23, 59, 59, 3},
       kTen + "2025年 1月 1日 11点 59分 59秒  星期三"},
      {"1 in the morning", {2025, 6, 2, 1, 1, 1, 1}, kTen + "2025年 6月 2日 1点 1分 1秒  星期一"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ClockText(row.time), row.text);
  }
}

TEST(ClockText, WeekdaysRunFromSunday) {
  const char* const names[] = {"星期日", "星期一", "星期二", "星期三",
                               "星期四", "星期五", "星期六"};
  for (int weekday = 0; weekday < 7; ++weekday) {
    SCOPED_TRACE(weekday);
    const std::string text = ClockText(LocalTime{2024, 1, 1, 9, 0, 0, weekday});
    EXPECT_EQ(text, kTen + "2024年 1月 1日 9点 0分 0秒  " + names[weekday]);
  }
  EXPECT_EQ(ClockText(LocalTime{2024, 1, 1, 9, 0, 0, 7}), kTen + "2024年 1月 1日 9点 0分 0秒  ");
}

TEST(ClockText, HourMapping) {
  const int expected[24] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                            12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  for (int hour = 0; hour < 24; ++hour) {
    SCOPED_TRACE(hour);
    EXPECT_EQ(ClockHour(hour), expected[hour]);
  }
}

}  // namespace
}  // namespace tabulex
