#include "window/clock_text.h"

#include <cstdlib>
#include <string_view>

namespace tabulex {
namespace {

constexpr std::string_view kWeekdays[] = {"星期日", "星期一", "星期二", "星期三",
                                          "星期四", "星期五", "星期六"};

}  // namespace

int ClockHour(int hour) {
  return hour >= 1 && hour <= 12 ? hour : std::abs(hour - 12);
}

std::string ClockText(const LocalTime& time) {
  std::string text(10, ' ');
  text += std::to_string(time.year) + "年 ";
  text += std::to_string(time.month) + "月 ";
  text += std::to_string(time.day) + "日 ";
  text += std::to_string(ClockHour(time.hour)) + "点 ";
  text += std::to_string(time.minute) + "分 ";
  text += std::to_string(time.second) + "秒  ";
  if (time.weekday >= 0 && time.weekday <= 6) text += kWeekdays[time.weekday];
  return text;
}

}  // namespace tabulex
