#include "tools/civil_date.h"

#include <array>
#include <cstdio>
#include <optional>

#include "engine/gbk_text.h"
#include "tools/base_conversion.h"

namespace tabulex {
namespace {

Failure DateFailure(const std::string& utf8) {
  return Failure{Utf8ToGbk(utf8)};
}

const Failure kFormatFailure{
    Utf8ToGbk("日期格式错误：应为 2024-02-10、2024/2/10 或 2024年2月10日")};

// Floor division and remainder, so that days before 1970 fall into the right week.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
  return a - FloorDiv(a, b) * b;
}

// Reads the decimal digits at text[position], at least minDigits and at most maxDigits of them.
std::optional<int> ReadNumber(std::string_view text, std::size_t& position, std::size_t minDigits,
                              std::size_t maxDigits) {
  std::size_t end = position;
  int value = 0;
  while (end < text.size() && end - position < maxDigits && text[end] >= '0' && text[end] <= '9') {
    value = value * 10 + (text[end] - '0');
    ++end;
  }
  if (end - position < minDigits) return std::nullopt;
  // A digit right after the longest allowed run is a number too long, not a separator.
  if (end < text.size() && text[end] >= '0' && text[end] <= '9') return std::nullopt;
  position = end;
  return value;
}

bool ReadLiteral(std::string_view text, std::size_t& position, std::string_view literal) {
  if (text.substr(position, literal.size()) != literal) return false;
  position += literal.size();
  return true;
}

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kSpaces = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kSpaces);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[static_cast<std::size_t>(month - 1)];
}

Outcome<CivilDate> MakeCivilDate(int year, int month, int day) {
  if (year < kFirstYear || year > kLastYear) {
    return DateFailure("日期无效：年份应在1至9999之间");
  }
  if (month < 1 || month > 12) {
    return DateFailure("日期无效：没有" + std::to_string(month) + "月");
  }
  if (day < 1 || day > DaysInMonth(year, month)) {
    return DateFailure("日期无效：" + std::to_string(year) + "年" + std::to_string(month) +
                       "月没有" + std::to_string(day) + "日");
  }
  return CivilDate{year, month, day};
}

Outcome<CivilDate> ParseCivilDate(std::string_view gbk) {
  const std::string utf8 = GbkToUtf8(FullWidthToAscii(gbk));
  const std::string_view text = Trimmed(utf8);
  if (text.empty()) return DateFailure("请输入日期");
  std::size_t position = 0;
  const std::optional<int> year = ReadNumber(text, position, 4, 4);
  if (!year) return kFormatFailure;
  // The first separator decides the form; the second and the end must match it.
  std::string_view second;
  std::string_view last;
  if (ReadLiteral(text, position, "-")) {
    second = "-";
  } else if (ReadLiteral(text, position, "/")) {
    second = "/";
  } else if (ReadLiteral(text, position, "年")) {
    second = "月";
    last = "日";
  } else {
    return kFormatFailure;
  }
  const std::optional<int> month = ReadNumber(text, position, 1, 2);
  if (!month || !ReadLiteral(text, position, second)) return kFormatFailure;
  const std::optional<int> day = ReadNumber(text, position, 1, 2);
  if (!day || !ReadLiteral(text, position, last) || position != text.size()) {
    return kFormatFailure;
  }
  return MakeCivilDate(*year, *month, *day);
}

// The days-from-civil count over 400-year eras of 146097 days, with years starting in March
// so that the leap day is the last day of the year.
std::int64_t DayNumber(const CivilDate& date) {
  const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
  const std::int64_t era = FloorDiv(year, 400);
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear =
      (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CivilDate DateFromDayNumber(std::int64_t dayNumber) {
  const std::int64_t shifted = dayNumber + 719468;
  const std::int64_t era = FloorDiv(shifted, 146097);
  const std::int64_t dayOfEra = shifted - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return CivilDate{year, month, day};
}

Weekday WeekdayOf(const CivilDate& date) {
  // 1970-01-01 was a Thursday.
  return static_cast<Weekday>(FloorMod(DayNumber(date) + 3, 7));
}

int DayOfYear(const CivilDate& date) {
  return static_cast<int>(DayNumber(date) - DayNumber(CivilDate{date.year, 1, 1})) + 1;
}

IsoWeek IsoWeekOf(const CivilDate& date) {
  // The week belongs to the year of its Thursday.
  const std::int64_t thursday = DayNumber(date) - static_cast<int>(WeekdayOf(date)) + 3;
  const CivilDate thursdayDate = DateFromDayNumber(thursday);
  return IsoWeek{thursdayDate.year, (DayOfYear(thursdayDate) - 1) / 7 + 1};
}

std::int64_t DaysBetween(const CivilDate& from, const CivilDate& to) {
  return DayNumber(to) - DayNumber(from);
}

std::int64_t WorkingDaysBetween(const CivilDate& from, const CivilDate& to) {
  if (to < from) return -WorkingDaysBetween(to, from);
  const std::int64_t days = DaysBetween(from, to);
  // Every full week holds five; the days left over start on from's weekday.
  std::int64_t count = days / 7 * 5;
  const int first = static_cast<int>(WeekdayOf(from));
  for (int i = 0; i < days % 7; ++i) {
    if ((first + i) % 7 < 5) ++count;
  }
  return count;
}

Outcome<CivilDate> AddDays(const CivilDate& date, std::int64_t days) {
  const std::int64_t first = DayNumber(CivilDate{kFirstYear, 1, 1});
  const std::int64_t last = DayNumber(CivilDate{kLastYear, 12, 31});
  const std::int64_t start = DayNumber(date);
  // Compared before adding, so that no count can overflow.
  if (days < first - start || days > last - start) {
    return DateFailure("结果超出范围：日期应在0001-01-01至9999-12-31之间");
  }
  return DateFromDayNumber(start + days);
}

std::string FormatCivilDate(const CivilDate& date) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
  return text.data();
}

std::string WeekdayName(Weekday weekday) {
  constexpr std::array<const char*, 7> kNames{"星期一", "星期二", "星期三", "星期四",
                                              "星期五", "星期六", "星期日"};
  return Utf8ToGbk(kNames[static_cast<std::size_t>(weekday)]);
}

std::string IsoWeekText(const IsoWeek& week) {
  return Utf8ToGbk(std::to_string(week.year) + "年第" + std::to_string(week.week) + "周");
}

}  // namespace tabulex
