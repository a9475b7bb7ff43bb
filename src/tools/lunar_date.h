// The Chinese lunar calendar from ICU's Chinese calendar, for Gregorian dates of 1901 to 2099:
// a date to its lunar year, month (with the leap month) and day, and back. Texts are GBK.
#pragma once

#include <string>

#include "engine/outcome.h"
#include "tools/civil_date.h"

namespace tabulex {

enum class LunarMonthKind { Ordinary, Leap };

struct LunarDate {
  // The Gregorian year in which the lunar year begins: 2024 for 甲辰, which starts on
  // 2024-02-10, so 2024-01-01 is in lunar year 2023.
  int year{};
  int month{1};  // 1 正月 to 12 腊月
  LunarMonthKind kind{LunarMonthKind::Ordinary};
  int day{1};  // 1 to 30

  bool operator==(const LunarDate&) const = default;
};

// The Gregorian dates the lunar calendar is offered for.
constexpr CivilDate kFirstLunarDay{1901, 1, 1};
constexpr CivilDate kLastLunarDay{2099, 12, 31};

// The lunar date of date, or "农历日期仅限1901年至2099年" outside that span.
Outcome<LunarDate> LunarDateOf(const CivilDate& date);

// The Gregorian date of a lunar date; an error for a lunar date that does not exist (a leap
// month the year does not have, 三十 in a month of 29 days) and outside 1901 to 2099.
Outcome<CivilDate> CivilDateOfLunar(const LunarDate& lunar);

// The year of the sexagenary cycle: "甲辰" for 2024, "甲子" for 1984.
std::string LunarYearName(int year);
// The animal of the year: "龙" for 2024.
std::string ZodiacName(int year);
// "正月", "二月" … "十月", "冬月", "腊月"; "闰二月" for the leap month.
std::string LunarMonthName(int month, LunarMonthKind kind);
// "初一" … "初十", "十一" … "二十", "廿一" … "廿九", "三十".
std::string LunarDayName(int day);
// "甲辰年 (龙) 正月初一".
std::string LunarDateText(const LunarDate& lunar);

}  // namespace tabulex
