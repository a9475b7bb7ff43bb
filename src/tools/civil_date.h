// Dates of the proleptic Gregorian calendar, years 1 to 9999, for the time calculation tab and
// tabulex-calc: reading a typed date, day numbers, weekdays, ISO weeks, working days. Texts are
// GBK like everywhere in the logic.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/outcome.h"

namespace tabulex {

struct CivilDate {
  int year{1970};
  int month{1};
  int day{1};

  auto operator<=>(const CivilDate&) const = default;
};

enum class Weekday { Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday };

// The ISO 8601 week: weeks start on Monday, and week 1 is the one that holds the year's first
// Thursday, so the first days of January may belong to the last week of the year before and
// the last days of December to week 1 of the next.
struct IsoWeek {
  int year{};
  int week{};

  bool operator==(const IsoWeek&) const = default;
};

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The date, or why it does not exist ("日期无效：2024年2月没有30日").
Outcome<CivilDate> MakeCivilDate(int year, int month, int day);

// A typed date: "2024-02-10", "2024/2/10" or "2024年2月10日"; the year has four digits, month
// and day one or two; full-width digits and separators are read as ASCII, surrounding spaces
// are ignored. A date that does not exist is an error, never the nearest one that does.
Outcome<CivilDate> ParseCivilDate(std::string_view gbk);

// Days since 1970-01-01 (negative before it).
std::int64_t DayNumber(const CivilDate& date);
// The date of a day number; the caller keeps it within years 1 to 9999.
CivilDate DateFromDayNumber(std::int64_t dayNumber);

Weekday WeekdayOf(const CivilDate& date);
// 1 for January 1st.
int DayOfYear(const CivilDate& date);
IsoWeek IsoWeekOf(const CivilDate& date);

// to minus from, in days.
std::int64_t DaysBetween(const CivilDate& from, const CivilDate& to);
// The Mondays to Fridays in [from, to): from counts, to does not, so consecutive spans add up.
// Negative, with the same count, when to is before from.
std::int64_t WorkingDaysBetween(const CivilDate& from, const CivilDate& to);

// The date days after date (before it for a negative count); an error past years 1 to 9999.
Outcome<CivilDate> AddDays(const CivilDate& date, std::int64_t days);

// "2024-02-10": four-digit year, two-digit month and day (ASCII, the same in GBK).
std::string FormatCivilDate(const CivilDate& date);
// "星期一" to "星期日".
std::string WeekdayName(Weekday weekday);
// "2024年第6周".
std::string IsoWeekText(const IsoWeek& week);

}  // namespace tabulex
