// ClockTick's text for the status bar's clock part, e.g.
// "          2024年 3月 9日 1点 5分 7秒  星期六" for 13:05:07 on Saturday 9 March 2024.
// The hour is in 12-hour form without a morning/afternoon mark.
#pragma once

#include <string>

namespace tabulex {

// A local date and time as the clock reads it.
struct LocalTime {
  int year{0};
  int month{0};    // 1 to 12
  int day{0};      // 1 to 31
  int hour{0};     // 0 to 23
  int minute{0};   // 0 to 59
  int second{0};   // 0 to 59
  int weekday{0};  // 0 Sunday to 6 Saturday
};

// The hour as the clock shows it: 1 to 12 as they are, otherwise |hour - 12| (0 shows 12,
// 13 shows 1, 23 shows 11).
int ClockHour(int hour);

// Ten spaces, then year, month, day, hour, minute and second in decimal without leading
// zeros, each followed by its unit ("年 " ... "分 ", "秒  " with two spaces), then the
// weekday's name ("星期日" ... "星期六"; none for a weekday outside 0 to 6). UTF-8, for the
// widget.
std::string ClockText(const LocalTime& time);

}  // namespace tabulex
