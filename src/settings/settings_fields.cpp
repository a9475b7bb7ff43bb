#include "settings/settings_fields.h"

#include <charconv>
#include <cstdint>
#include <variant>

namespace tabulex {
namespace {

using Member =
    std::variant<bool CalcSettings::*, std::int32_t CalcSettings::*, std::int64_t CalcSettings::*>;

struct Field {
  std::string_view name;
  Member member;
};

#define TABULEX_FIELD(name)    \
  Field {                      \
#name, &CalcSettings::name \
  }

const Field kFields[] = {
    TABULEX_FIELD(windowState),
    TABULEX_FIELD(windowWidth),
    TABULEX_FIELD(windowHeight),
    TABULEX_FIELD(windowLeft),
    TABULEX_FIELD(windowTop),
    TABULEX_FIELD(skinNumber),
    TABULEX_FIELD(backgroundColor),
    TABULEX_FIELD(skinSlider),
    TABULEX_FIELD(skinEffects),
    TABULEX_FIELD(closeAction),
    TABULEX_FIELD(undoLimit),
    TABULEX_FIELD(runCount),
    TABULEX_FIELD(precisionDigits),
    TABULEX_FIELD(roundHalfUpFlag),
    TABULEX_FIELD(laptopMode),
    TABULEX_FIELD(newLinePasteResult),
    TABULEX_FIELD(spaceSeparates),
    TABULEX_FIELD(decimalRounding),
    TABULEX_FIELD(edgeHiding),
    TABULEX_FIELD(allowMultipleInstances),
    TABULEX_FIELD(alwaysOnTop),
    TABULEX_FIELD(resultToClipboard),
    TABULEX_FIELD(newLineAfterCalc),
    TABULEX_FIELD(angleUnit),
    TABULEX_FIELD(enterInsertsNewLine),
    TABULEX_FIELD(rememberWindow),
    TABULEX_FIELD(thousandsSeparator),
    TABULEX_FIELD(keepContent),
    TABULEX_FIELD(fractionDisplay),
    TABULEX_FIELD(quickInput),
    TABULEX_FIELD(autoReplace),
    TABULEX_FIELD(autoInsertLastResult),
    TABULEX_FIELD(hotkeyEnabled),
    TABULEX_FIELD(hotkeyModifier),
    TABULEX_FIELD(hotkeyKey),
    TABULEX_FIELD(fullScreenKeyEnabled),
    TABULEX_FIELD(fullScreenKeyModifier),
    TABULEX_FIELD(fullScreenKeyCode),
};

#undef TABULEX_FIELD

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
  for (const Field& field : kFields) {
    if (field.name != name) continue;
    if (auto boolMember = std::get_if<bool CalcSettings::*>(&field.member)) {
      const auto parsed = ParseBool(value);
      if (!parsed) {
        return "bad value '" + std::string(value) + "' for " + std::string(name) +
               ": expected true, false, 1, 0, 真 or 假";
      }
      settings.** boolMember = *parsed;
    } else if (auto intMember = std::get_if<std::int32_t CalcSettings::*>(&field.member)) {
      const auto parsed = ParseInt<std::int32_t>(value);
      if (!parsed) {
        return "bad value '" + std::string(value) + "' for " + std::string(name) +
               ": expected a 32-bit integer";
      }
      settings.** intMember = *parsed;
    } else {
      const auto parsed = ParseInt<std::int64_t>(value);
      if (!parsed) {
        return "bad value '" + std::string(value) + "' for " + std::string(name) +
               ": expected a 64-bit integer";
      }
      settings.*std::get<std::int64_t CalcSettings::*>(field.member) = *parsed;
    }
    return std::nullopt;
  }
  return "unknown setting '" + std::string(name) + "'";
}

std::vector<std::string_view> SettingFieldNames() {
  std::vector<std::string_view> names;
  for (const Field& field : kFields) names.push_back(field.name);
  return names;
}

}  // namespace tabulex
