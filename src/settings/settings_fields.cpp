#include "settings/settings_fields.h"

#include <charconv>
#include <cstdint>
#include <variant>

#include "settings/setting_keys.h"

namespace tabulex {
namespace {

std::optional<bool> ParseBool(std::string_view value) {
  if (value == "true" || value == "1" || value == "真") return true;
  if (value == "false" || value == "0" || value == "假") return false;
  return std::nullopt;
}

template <typename Int>
std::optional<Int> ParseInt(std::string_view value) {
  Int result{};
  const char* begin = value.data();
  if (value.starts_with('+')) ++begin;
  const char* end = value.data() + value.size();
  const auto [ptr, error] = std::from_chars(begin, end, result);
  if (error != std::errc() || ptr != end || begin == end) return std::nullopt;
  return result;
}

}  // namespace

std::optional<std::string> SetSettingField(CalcSettings& settings, std::string_view name,
                                           std::string_view value) {
  for (const SettingKey& key : AllSettingKeys()) {
    if (key.fieldName.empty() || key.fieldName != name) continue;
    const auto bad = [&](std::string_view expected) {
      return "bad value '" + std::string(value) + "' for " + std::string(name) + ": expected " +
             std::string(expected);
    };
    if (auto boolMember = std::get_if<bool CalcSettings::*>(&key.field)) {
      const auto parsed = ParseBool(value);
      if (!parsed) return bad("true, false, 1, 0, 真 or 假");
      settings.** boolMember = *parsed;
    } else if (auto intMember = std::get_if<std::int32_t CalcSettings::*>(&key.field)) {
      const auto parsed = ParseInt<std::int32_t>(value);
      if (!parsed) return bad("a 32-bit integer");
      settings.** intMember = *parsed;
    } else if (auto int64Member = std::get_if<std::int64_t CalcSettings::*>(&key.field)) {
      const auto parsed = ParseInt<std::int64_t>(value);
      if (!parsed) return bad("a 64-bit integer");
      settings.** int64Member = *parsed;
    }
    return std::nullopt;
  }
  return "unknown setting '" + std::string(name) + "'";
}

std::vector<std::string> SettingFieldNames() {
  std::vector<std::string> names;
  for (const SettingKey& key : AllSettingKeys()) {
    if (!key.fieldName.empty()) names.push_back(key.fieldName);
  }
  return names;
}

}  // namespace tabulex
