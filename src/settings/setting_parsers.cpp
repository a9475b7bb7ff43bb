#include "settings/setting_parsers.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "engine/number_text.h"

namespace tabulex {
namespace {

// Truncates toward zero and clamps into Int. The bounds are compared as doubles that are
// exact powers of two, so the maximum itself (not representable for 64 bits) never overflows.
template <typename Int>
Int TruncateClamped(double value) {
  if (std::isnan(value)) return 0;
  const double limit = std::ldexp(1.0, std::numeric_limits<Int>::digits);  // 2^31 or 2^63
  if (value >= limit) return std::numeric_limits<Int>::max();
  if (value <= -limit) return std::numeric_limits<Int>::min();
  return static_cast<Int>(std::trunc(value));
}

}  // namespace

bool ParseSettingBool(std::string_view text) {
  return text == kSettingTrue;
}

std::int32_t ParseSettingInt(std::string_view text) {
  return TruncateClamped<std::int32_t>(TextToNumber(text));
}

std::int64_t ParseSettingInt64(std::string_view text) {
  return TruncateClamped<std::int64_t>(TextToNumber(text));
}

std::string FormatSettingBool(bool value) {
  return std::string(value ? kSettingTrue : kSettingFalse);
}

std::string FormatSettingInt(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace tabulex
