#include "tools/date_report.h"

#include <algorithm>
#include <optional>

#include "engine/gbk_text.h"
#include "tools/base_conversion.h"
#include "tools/solar_terms.h"

namespace tabulex {
namespace {

// More digits than the span of years 1 to 9999 in days (3652058) can never give a date.
constexpr std::size_t kMaxDayCountDigits = 7;

std::string Gbk(std::string_view utf8) {
  return Utf8ToGbk(utf8);
}

std::string DateWithWeekday(const CivilDate& date) {
  return FormatCivilDate(date) + " " + WeekdayName(WeekdayOf(date));
}

}  // namespace

std::string DescribeDate(const CivilDate& date) {
  std::string text = DateWithWeekday(date) + " ";
  const Outcome<LunarDate> lunar = LunarDateOf(date);
  text += lunar.ok() ? LunarDateText(lunar.value()) : lunar.message();
  if (const std::optional<int> term = SolarTermOn(date)) text += " " + SolarTermName(*term);
  return text;
}

std::string DayInYearText(const CivilDate& date) {
  return Gbk("本年第" + std::to_string(DayOfYear(date)) + "天，") + IsoWeekText(IsoWeekOf(date));
}

std::string WeeksAndDaysText(std::int64_t days) {
  const std::int64_t magnitude = days < 0 ? -days : days;
  return Gbk((days < 0 ? "-" : "") + std::to_string(magnitude / 7) + "周" +
             std::to_string(magnitude % 7) + "天");
}

std::string DateSpanText(std::string_view fromGbk, std::string_view toGbk) {
  const Outcome<CivilDate> from = ParseCivilDate(fromGbk);
  if (!from.ok()) return from.message();
  const Outcome<CivilDate> to = ParseCivilDate(toGbk);
  if (!to.ok()) return to.message();
  const std::int64_t days = DaysBetween(from.value(), to.value());
  return Gbk("相差 " + std::to_string(days) + " 天（") + WeeksAndDaysText(days) +
         Gbk("），工作日 " + std::to_string(WorkingDaysBetween(from.value(), to.value())) + " 天");
}

Outcome<std::int64_t> ParseDayCount(std::string_view gbk) {
  const std::string text = FullWidthToAscii(gbk);
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return Failure{Gbk("请输入天数")};
  const std::size_t last = text.find_last_not_of(" \t");
  std::string_view digits = std::string_view(text).substr(first, last - first + 1);
  bool negative = false;
  if (digits.front() == '+' || digits.front() == '-') {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  const Failure notANumber{Gbk("天数应为整数，例如 30 或 -30")};
  if (digits.empty()) return notANumber;
  std::int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return notANumber;
  }
  const std::size_t significant = std::min(digits.find_first_not_of('0'), digits.size());
  if (digits.size() - significant > kMaxDayCountDigits) {
    return Failure{Gbk("结果超出范围：日期应在0001-01-01至9999-12-31之间")};
  }
  for (char c : digits) value = value * 10 + (c - '0');
  return negative ? -value : value;
}

std::string DatePlusDaysText(std::string_view dateGbk, std::string_view daysGbk) {
  const Outcome<CivilDate> date = ParseCivilDate(dateGbk);
  if (!date.ok()) return date.message();
  const Outcome<std::int64_t> days = ParseDayCount(daysGbk);
  if (!days.ok()) return days.message();
  const Outcome<CivilDate> result = AddDays(date.value(), days.value());
  return result.ok() ? DateWithWeekday(result.value()) : result.message();
}

std::string LunarToCivilText(const LunarDate& lunar) {
  const Outcome<CivilDate> date = CivilDateOfLunar(lunar);
  return date.ok() ? DateWithWeekday(date.value()) : date.message();
}

}  // namespace tabulex
