#include "settings/settings_loader.h"

#include <initializer_list>

#include "settings/setting_keys.h"
#include "settings/setting_parsers.h"

namespace tabulex {
namespace {

using I = SettingId;

bool ReadBool(const SettingsStore& store, SettingId id) {
  return ParseSettingBool(ReadSetting(store, id));
}

std::int32_t ReadInt(const SettingsStore& store, SettingId id) {
  return ParseSettingInt(ReadSetting(store, id));
}

}  // namespace

void LoadWindowState(const SettingsStore& store, CalcSettings& settings) {
  LoadSettingField(store, I::WindowState, settings);
}

void LoadWindowBounds(const SettingsStore& store, CalcSettings& settings) {
  for (const SettingId id : {I::WindowWidth, I::WindowHeight, I::WindowLeft, I::WindowTop}) {
    LoadSettingField(store, id, settings);
  }
}

void LoadAllowMultipleInstances(const SettingsStore& store, CalcSettings& settings) {
  LoadSettingField(store, I::AllowMultipleInstances, settings);
}

void LoadSkinNumber(const SettingsStore& store, CalcSettings& settings) {
  LoadSettingField(store, I::SkinNumber, settings);
}

void LoadBackgroundColor(const SettingsStore& store, CalcSettings& settings) {
  LoadSettingField(store, I::BackgroundColor, settings);
}

void LoadSkinSliderAndEffects(const SettingsStore& store, CalcSettings& settings) {
  LoadSettingField(store, I::SkinSlider, settings);
  LoadSettingField(store, I::SkinEffects, settings);
}

EditorProperties LoadEditorProperties(const SettingsStore& store) {
  EditorProperties editor;
  editor.fontBold = ReadBool(store, I::FontBold);
  editor.fontItalic = ReadBool(store, I::FontItalic);
  editor.fontStrikeOut = ReadBool(store, I::FontStrikeOut);
  editor.fontUnderline = ReadBool(store, I::FontUnderline);
  editor.fontName = ReadSetting(store, I::FontName);
  editor.fontColor = ReadInt(store, I::FontColor);
  editor.fontSize = ReadInt(store, I::FontSize);
  return editor;
}

bool LoadRunSettings(const SettingsStore& store, CalcSettings& settings) {
  LoadSettingField(store, I::CloseAction, settings);
  LoadSettingField(store, I::UndoLimit, settings);
  if (settings.undoLimit <= 0) settings.undoLimit = 50;
  bool wordWrap = false;
  for (const SettingId id : {
           I::RunCount,
           I::PrecisionDigits,
           I::RoundHalfUpFlag,
           I::LaptopMode,
           I::NewLinePasteResult,
           I::AlwaysOnTop,
           I::ResultToClipboard,
           I::NewLineAfterCalc,
           I::AngleUnit,
           I::EnterInsertsNewLine,
           I::RememberWindow,
           I::ThousandsSeparator,
           I::KeepContent,
           I::SpaceSeparates,
           I::DecimalRounding,
           I::EdgeHiding,
           I::FractionDisplay,
           I::HotkeyEnabled,
           I::HotkeyModifier,
           I::HotkeyKey,
           I::QuickInput,
           I::WordWrap,
           I::AutoReplace,
           I::AutoInsertLastResult,
           I::FullScreenKeyEnabled,
           I::FullScreenKeyModifier,
           I::FullScreenKeyCode,
       }) {
    if (id == I::WordWrap) {
      wordWrap = ReadBool(store, id);
    } else {
      LoadSettingField(store, id, settings);
    }
  }
  return wordWrap;
}

std::int32_t LoadCaretOffset(const SettingsStore& store) {
  return ReadInt(store, I::CaretOffset);
}

LoadedSettings LoadSettings(const SettingsStore& store, CalcSettings& settings) {
  LoadWindowState(store, settings);
  LoadWindowBounds(store, settings);
  LoadAllowMultipleInstances(store, settings);
  LoadSkinNumber(store, settings);
  LoadBackgroundColor(store, settings);
  LoadSkinSliderAndEffects(store, settings);
  LoadedSettings loaded;
  loaded.editor = LoadEditorProperties(store);
  loaded.wordWrap = LoadRunSettings(store, settings);
  return loaded;
}

bool LoadWordWrap(const SettingsStore& store) {
  return ReadBool(store, I::WordWrap);
}

WindowPositionTexts LoadWindowPositionTexts(const SettingsStore& store) {
  WindowPositionTexts texts;
  texts.left = ReadSetting(store, I::WindowLeft);
  texts.top = ReadSetting(store, I::WindowTop);
  texts.width = ReadSetting(store, I::WindowWidth);
  texts.height = ReadSetting(store, I::WindowHeight);
  return texts;
}

KeypadSettings LoadKeypadSettings(const SettingsStore& store) {
  KeypadSettings keypad;
  keypad.width = ReadInt(store, I::KeypadWidth);
  keypad.height = ReadInt(store, I::KeypadHeight);
  keypad.left = ReadInt(store, I::KeypadLeft);
  keypad.top = ReadInt(store, I::KeypadTop);
  keypad.scientific = ReadBool(store, I::KeypadMode);
  return keypad;
}

std::int32_t LoadWindowCode(const SettingsStore& store) {
  return ReadInt(store, I::WindowCode);
}

}  // namespace tabulex
