// Every key of the configuration file, in one table that the start-up reads and the writers
// share: its section, name, kind, default and, where it has one, the CalcSettings field.
// Section, key and default texts are GBK.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/calc_settings.h"
#include "settings/settings_store.h"

namespace tabulex {

enum class SettingId {
  // 运行设置
  WindowState,
  WindowCode,
  SkinNumber,
  BackgroundColor,
  SkinSlider,
  SkinEffects,
  CloseAction,
  UndoLimit,
  RunCount,
  PrecisionDigits,
  RoundHalfUpFlag,
  LaptopMode,
  NewLinePasteResult,
  SpaceSeparates,
  DecimalRounding,
  EdgeHiding,
  CaretOffset,
  // 其他设置
  AllowMultipleInstances,
  AlwaysOnTop,
  ResultToClipboard,
  NewLineAfterCalc,
  AngleUnit,
  EnterInsertsNewLine,
  RememberWindow,
  ThousandsSeparator,
  KeepContent,
  FractionDisplay,
  QuickInput,
  WordWrap,
  AutoReplace,
  AutoInsertLastResult,
  // 热键设置
  HotkeyEnabled,
  HotkeyModifier,
  HotkeyKey,
  FullScreenKeyEnabled,
  FullScreenKeyModifier,
  FullScreenKeyCode,
  // 字体设置
  FontBold,
  FontItalic,
  FontStrikeOut,
  FontUnderline,
  FontName,
  FontColor,
  FontSize,
  // 启动窗口位置
  WindowLeft,
  WindowTop,
  WindowWidth,
  WindowHeight,
  // 键盘窗口设置
  KeypadWidth,
  KeypadHeight,
  KeypadLeft,
  KeypadTop,
  KeypadMode,
};

enum class SettingKind { Bool, Int, Int64, Text };

using SettingField = std::variant<std::monostate, bool CalcSettings::*,
                                  std::int32_t CalcSettings::*, std::int64_t CalcSettings::*>;

struct SettingKey {
  SettingId id;
  std::string section;
  std::string key;
  SettingKind kind;
  std::optional<std::string> defaultText;  // none: a missing key reads as the empty text
  std::string fieldName;                   // the CalcSettings field's name, or empty
  SettingField field;                      // monostate: the key has no CalcSettings field
};

// The whole table, in SettingId order.
const std::vector<SettingKey>& AllSettingKeys();
const SettingKey& SettingKeyFor(SettingId id);

// ReadKey with the key's section, name and default (the empty text when it has none).
std::string ReadSetting(const SettingsStore& store, SettingId id);
bool WriteSetting(SettingsStore& store, SettingId id, std::string_view value);

// Reads the key, parses it by its kind and stores it in its field.
void LoadSettingField(const SettingsStore& store, SettingId id, CalcSettings& settings);
// Writes the field's value in the key's format ("真"/"假" or decimal text); false for a
// key without a field.
bool WriteSettingField(SettingsStore& store, SettingId id, const CalcSettings& settings);

}  // namespace tabulex
