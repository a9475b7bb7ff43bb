#include "tools/duration_sum.h"

#include <array>
#include <cstdio>
#include <optional>
#include <vector>

#include "engine/gbk_text.h"
#include "tools/base_conversion.h"

namespace tabulex {
namespace {

// More hours than this on one line is a typing slip, and the total stays far from overflow.
constexpr std::int64_t kMaxHours = 999999999;

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kSpaces = " \t\r";
  const std::size_t first = text.find_first_not_of(kSpaces);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, start)) {
    pieces.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

std::optional<std::int64_t> Digits(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The seconds of one line, or what follows the line number in its error (UTF-8).
Outcome<std::int64_t> ReadDuration(std::string_view line) {
  const Failure format{"格式错误：应为 h:mm:ss 或 h:mm"};
  bool negative = false;
  if (!line.empty() && (line.front() == '-' || line.front() == '+')) {
    negative = line.front() == '-';
    line.remove_prefix(1);
  }
  const std::vector<std::string_view> fields = Split(line, ':');
  if (fields.size() < 2 || fields.size() > 3) return format;
  const std::optional<std::int64_t> hours = Digits(fields[0], 18);
  if (!hours) return format;
  if (*hours > kMaxHours) return Failure{"：小时数过大"};
  std::int64_t seconds = *hours * 3600;
  constexpr std::array<const char*, 2> kNames{"分钟", "秒"};
  constexpr std::array<std::int64_t, 2> kUnits{60, 1};
  for (std::size_t i = 1; i < fields.size(); ++i) {
    const std::optional<std::int64_t> value = Digits(fields[i], 2);
    if (!value) return format;
    if (*value > 59) return Failure{std::string("：") + kNames[i - 1] + "应在0至59之间"};
    seconds += *value * kUnits[i - 1];
  }
  return negative ? -seconds : seconds;
}

}  // namespace

Outcome<std::int64_t> SumDurations(std::string_view gbk) {
  const std::string utf8 = GbkToUtf8(FullWidthToAscii(gbk));
  std::int64_t total = 0;
  int lineNumber = 0;
  for (const std::string_view line : Split(utf8, '\n')) {
    ++lineNumber;
    const std::string_view text = Trimmed(line);
    if (text.empty()) continue;
    const Outcome<std::int64_t> seconds = ReadDuration(text);
    if (!seconds.ok()) {
      return Failure{Utf8ToGbk("第" + std::to_string(lineNumber) + "行" + seconds.message())};
    }
    total += seconds.value();
  }
  return total;
}

std::string DurationText(std::int64_t seconds) {
  const bool negative = seconds < 0;
  const std::int64_t magnitude = negative ? -seconds : seconds;
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%s%lld:%02lld:%02lld", negative ? "-" : "",
                static_cast<long long>(magnitude / 3600),
                static_cast<long long>(magnitude / 60 % 60),
                static_cast<long long>(magnitude % 60));
  return text.data();
}

}  // namespace tabulex
