#include "settings/settings_writer.h"

#include <initializer_list>
#include <limits>
#include <system_error>

#include "settings/config_file.h"
#include "settings/setting_keys.h"
#include "settings/setting_parsers.h"

namespace tabulex {
namespace {

using I = SettingId;

void WriteFields(SettingsStore& store, const CalcSettings& settings,
                 std::initializer_list<SettingId> ids) {
  for (const SettingId id : ids) WriteSettingField(store, id, settings);
}

}  // namespace

void WriteSettingsWindow(SettingsStore& store, const CalcSettings& settings, bool wordWrap) {
  WriteSettingField(store, I::AutoReplace, settings);
  WriteSetting(store, I::WordWrap, FormatSettingBool(wordWrap));
  WriteFields(store, settings,
              {
                  I::QuickInput,
                  I::FractionDisplay,
                  I::EdgeHiding,
                  I::DecimalRounding,
                  I::HotkeyEnabled,
                  I::HotkeyModifier,
                  I::HotkeyKey,
                  I::FullScreenKeyEnabled,
                  I::FullScreenKeyModifier,
                  I::FullScreenKeyCode,
                  I::PrecisionDigits,
                  I::AngleUnit,
                  I::SpaceSeparates,
                  I::LaptopMode,
                  I::NewLinePasteResult,
                  I::AlwaysOnTop,
                  I::ResultToClipboard,
                  I::NewLineAfterCalc,
                  I::ThousandsSeparator,
                  I::EnterInsertsNewLine,
                  I::RememberWindow,
                  I::AllowMultipleInstances,
                  I::KeepContent,
                  I::AutoInsertLastResult,
              });
}

void WriteAppearance(SettingsStore& store, const CalcSettings& settings) {
  WriteFields(store, settings, {I::BackgroundColor, I::SkinNumber, I::SkinSlider, I::SkinEffects});
}

void WriteUndoLimit(SettingsStore& store, const CalcSettings& settings) {
  WriteSettingField(store, I::UndoLimit, settings);
}

void WriteWindowPosition(SettingsStore& store, const WindowPositionTexts& texts) {
  WriteSetting(store, I::WindowLeft, texts.left);
  WriteSetting(store, I::WindowTop, texts.top);
  WriteSetting(store, I::WindowWidth, texts.width);
  WriteSetting(store, I::WindowHeight, texts.height);
}

void WriteKeypadSettings(SettingsStore& store, const KeypadSettings& keypad) {
  WriteSetting(store, I::KeypadWidth, FormatSettingInt(keypad.width));
  WriteSetting(store, I::KeypadHeight, FormatSettingInt(keypad.height));
  WriteSetting(store, I::KeypadLeft, FormatSettingInt(keypad.left));
  WriteSetting(store, I::KeypadTop, FormatSettingInt(keypad.top));
  WriteSetting(store, I::KeypadMode, FormatSettingBool(keypad.scientific));
}

void WriteWindowCode(SettingsStore& store, std::int64_t windowCode) {
  WriteSetting(store, I::WindowCode, FormatSettingInt(windowCode));
}

void SaveOnClose(SettingsStore& store, const RunFilesPaths& paths, const EditorProperties& editor,
                 std::int64_t caretOffset, CalcSettings& settings) {
  std::error_code error;
  if (!std::filesystem::exists(paths.configFile, error)) {
    std::filesystem::create_directories(paths.directory, error);
  }

  WriteSetting(store, I::FontBold, FormatSettingBool(editor.fontBold));
  WriteSetting(store, I::FontItalic, FormatSettingBool(editor.fontItalic));
  WriteSetting(store, I::FontStrikeOut, FormatSettingBool(editor.fontStrikeOut));
  WriteSetting(store, I::FontUnderline, FormatSettingBool(editor.fontUnderline));
  WriteSetting(store, I::FontName, editor.fontName);
  WriteSetting(store, I::FontColor, FormatSettingInt(editor.fontColor));
  WriteSetting(store, I::FontSize, FormatSettingInt(editor.fontSize));

  if (settings.rememberWindow) {
    WriteFields(store, settings, {I::WindowLeft, I::WindowTop, I::WindowWidth, I::WindowHeight});
  }

  WriteSetting(store, I::CaretOffset, FormatSettingInt(caretOffset));

  WriteFields(store, settings, {I::CloseAction, I::UndoLimit, I::RoundHalfUpFlag, I::WindowState});

  if (settings.runCount < std::numeric_limits<std::int64_t>::max()) ++settings.runCount;
  WriteSettingField(store, I::RunCount, settings);
}

void DeleteSettingsFiles(const RunFilesPaths& paths) {
  std::error_code error;
  std::filesystem::remove(paths.directory / "Tabulo备份文件.ini", error);
  std::filesystem::remove(paths.backupFile, error);
  ConfigFile(paths.configFile).Remove();
}

}  // namespace tabulex
