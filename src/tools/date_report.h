// The texts of the time calculation: what the "时间计算" tab shows in its result boxes and what
// tabulex-calc --date prints, built in one place so that both say the same. Texts are GBK; an
// input that is no date gives its message instead of a result.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/outcome.h"
#include "tools/civil_date.h"
#include "tools/lunar_date.h"

namespace tabulex {

// The date, its weekday and its lunar date, and the solar term when the day is one:
// "2024-02-10 星期六 甲辰年 (龙) 正月初一", "2024-02-04 星期日 癸卯年 (兔) 腊月廿五 立春".
// Outside the lunar calendar's years the lunar part is its message.
std::string DescribeDate(const CivilDate& date);

// "本年第41天，2024年第6周": the ISO week with its own year, which differs from the date's
// near new year ("2021-01-03" is in "2020年第53周").
std::string DayInYearText(const CivilDate& date);

// "1周3天"; a negative count keeps the sign in front of the whole: "-1周3天" is 10 days back.
std::string WeeksAndDaysText(std::int64_t days);

// Two typed dates: "相差 10 天（1周3天），工作日 8 天", the days from the first to the second
// (negative when the second is earlier) and the Mondays to Fridays among them, the first day
// counted and the last not.
std::string DateSpanText(std::string_view fromGbk, std::string_view toGbk);

// A typed count of days: an integer with an optional sign, full-width digits allowed.
Outcome<std::int64_t> ParseDayCount(std::string_view gbk);

// A typed date plus a typed count of days: "2024-03-01 星期五".
std::string DatePlusDaysText(std::string_view dateGbk, std::string_view daysGbk);

// The Gregorian date of a lunar date with its weekday, or why there is none.
std::string LunarToCivilText(const LunarDate& lunar);

}  // namespace tabulex
