#include "tools/lunar_date.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/simpletz.h>

#include <array>
#include <cmath>
#include <memory>
#include <optional>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

constexpr std::int32_t kChinaOffsetMs = 8 * 3600 * 1000;
constexpr double kDayMs = 86400.0 * 1000.0;
// ICU counts lunar years from 2637 BC: the lunar year that begins in Gregorian year y has the
// extended year y + 2637.
constexpr int kExtendedYearOffset = 2637;

Failure LunarFailure(const std::string& utf8) {
  return Failure{Utf8ToGbk(utf8)};
}

const char* const kOutOfRange = "农历日期仅限1901年至2099年";

// A Chinese calendar in a fixed UTC+8 zone: the lunar calendar is reckoned in China time, and
// the machine's own zone must never move a day.
std::unique_ptr<icu::Calendar> ChineseCalendar() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
      new icu::SimpleTimeZone(kChinaOffsetMs, icu::UnicodeString(u"UTC+08:00")),
      icu::Locale("zh_CN@calendar=chinese"), status));
  if (U_FAILURE(status)) return nullptr;
  return calendar;
}

// Noon China time of the date, in ICU's milliseconds since 1970: far from either midnight.
UDate NoonInChina(const CivilDate& date) {
  return static_cast<double>(DayNumber(date)) * kDayMs + 12.0 * 3600.0 * 1000.0 - kChinaOffsetMs;
}

std::optional<LunarDate> ReadLunarDate(icu::Calendar& calendar) {
  UErrorCode status = U_ZERO_ERROR;
  LunarDate lunar;
  lunar.year = calendar.get(UCAL_EXTENDED_YEAR, status) - kExtendedYearOffset;
  lunar.month = calendar.get(UCAL_MONTH, status) + 1;
  lunar.kind = calendar.get(UCAL_IS_LEAP_MONTH, status) != 0 ? LunarMonthKind::Leap
                                                             : LunarMonthKind::Ordinary;
  lunar.day = calendar.get(UCAL_DATE, status);
  if (U_FAILURE(status)) return std::nullopt;
  return lunar;
}

bool InLunarRange(const CivilDate& date) {
  return date >= kFirstLunarDay && date <= kLastLunarDay;
}

std::string MonthNumberName(int month) {
  constexpr std::array<const char*, 12> kNames{"正月", "二月", "三月", "四月", "五月", "六月",
                                               "七月", "八月", "九月", "十月", "冬月", "腊月"};
  return kNames[static_cast<std::size_t>(month - 1)];
}

std::string LeapMonthText(const LunarDate& lunar) {
  return std::string(lunar.kind == LunarMonthKind::Leap ? "闰" : "") + MonthNumberName(lunar.month);
}

}  // namespace

Outcome<LunarDate> LunarDateOf(const CivilDate& date) {
  if (!InLunarRange(date)) return LunarFailure(kOutOfRange);
  const std::unique_ptr<icu::Calendar> calendar = ChineseCalendar();
  if (!calendar) return LunarFailure("农历日历不可用");
  UErrorCode status = U_ZERO_ERROR;
  calendar->setTime(NoonInChina(date), status);
  const std::optional<LunarDate> lunar = ReadLunarDate(*calendar);
  if (U_FAILURE(status) || !lunar) return LunarFailure("农历日历不可用");
  return *lunar;
}

Outcome<CivilDate> CivilDateOfLunar(const LunarDate& lunar) {
  // One year either side of the span still reaches its dates: lunar 1900 ends in 1901.
  if (lunar.year < kFirstLunarDay.year - 1 || lunar.year > kLastLunarDay.year) {
    return LunarFailure(kOutOfRange);
  }
  const std::string yearText =
      "农历" + std::to_string(lunar.year) + "年（" + GbkToUtf8(LunarYearName(lunar.year)) + "年）";
  if (lunar.month < 1 || lunar.month > 12) {
    return LunarFailure(yearText + "没有" + std::to_string(lunar.month) + "月");
  }
  if (lunar.day < 1 || lunar.day > 30) {
    return LunarFailure(yearText + LeapMonthText(lunar) + "没有" + std::to_string(lunar.day) +
                        "日");
  }
  const std::unique_ptr<icu::Calendar> calendar = ChineseCalendar();
  if (!calendar) return LunarFailure("农历日历不可用");
  // ICU moves a date that does not exist into one that does (the leap flag of a year without
  // that leap month is dropped, day 30 of a short month becomes the next month's 初一); reading
  // the fields back and comparing them tells the two apart.
  const auto convert = [&calendar](const LunarDate& wanted) -> std::optional<CivilDate> {
    calendar->clear();
    calendar->set(UCAL_EXTENDED_YEAR, wanted.year + kExtendedYearOffset);
    calendar->set(UCAL_MONTH, wanted.month - 1);
    calendar->set(UCAL_IS_LEAP_MONTH, wanted.kind == LunarMonthKind::Leap ? 1 : 0);
    calendar->set(UCAL_DATE, wanted.day);
    calendar->set(UCAL_HOUR_OF_DAY, 12);
    UErrorCode status = U_ZERO_ERROR;
    const UDate time = calendar->getTime(status);
    if (U_FAILURE(status)) return std::nullopt;
    const std::optional<LunarDate> back = ReadLunarDate(*calendar);
    if (!back || *back != wanted) return std::nullopt;
    return DateFromDayNumber(
        static_cast<std::int64_t>(std::floor((time + kChinaOffsetMs) / kDayMs)));
  };
  const std::optional<CivilDate> date = convert(lunar);
  if (!date) {
    // Which part is missing: the month itself, or only this day of it.
    if (lunar.day > 1 && convert(LunarDate{lunar.year, lunar.month, lunar.kind, 1})) {
      return LunarFailure(yearText + LeapMonthText(lunar) + "没有" +
                          GbkToUtf8(LunarDayName(lunar.day)));
    }
    return LunarFailure(yearText + "没有" + LeapMonthText(lunar));
  }
  if (!InLunarRange(*date)) return LunarFailure(kOutOfRange);
  return *date;
}

std::string LunarYearName(int year) {
  constexpr std::array<const char*, 10> kStems{"甲", "乙", "丙", "丁", "戊",
                                               "己", "庚", "辛", "壬", "癸"};
  constexpr std::array<const char*, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                  "午", "未", "申", "酉", "戌", "亥"};
  // 1984 (and every 60th year from it) is 甲子, the first of the cycle.
  const int index = ((year - 1984) % 60 + 60) % 60;
  return Utf8ToGbk(std::string(kStems[static_cast<std::size_t>(index % 10)]) +
                   kBranches[static_cast<std::size_t>(index % 12)]);
}

std::string ZodiacName(int year) {
  constexpr std::array<const char*, 12> kAnimals{"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                 "马", "羊", "猴", "鸡", "狗", "猪"};
  return Utf8ToGbk(kAnimals[static_cast<std::size_t>(((year - 1984) % 12 + 12) % 12)]);
}

std::string LunarMonthName(int month, LunarMonthKind kind) {
  return Utf8ToGbk(LeapMonthText(LunarDate{0, month, kind, 1}));
}

std::string LunarDayName(int day) {
  constexpr std::array<const char*, 10> kDigits{"十", "一", "二", "三", "四",
                                                "五", "六", "七", "八", "九"};
  const auto digit = [&kDigits](int n) {
    return std::string(kDigits[static_cast<std::size_t>(n)]);
  };
  std::string utf8;
  if (day <= 10) {
    utf8 = "初" + digit(day % 10);
  } else if (day < 20) {
    utf8 = "十" + digit(day % 10);
  } else if (day == 20) {
    utf8 = "二十";
  } else if (day < 30) {
    utf8 = "廿" + digit(day % 10);
  } else {
    utf8 = "三十";
  }
  return Utf8ToGbk(utf8);
}

std::string LunarDateText(const LunarDate& lunar) {
  return LunarYearName(lunar.year) + Utf8ToGbk("年 (") + ZodiacName(lunar.year) + Utf8ToGbk(") ") +
         LunarMonthName(lunar.month, lunar.kind) + LunarDayName(lunar.day);
}

}  // namespace tabulex
