#include "session/settings_window_values.h"

#include "settings/setting_keys.h"
#include "settings/setting_parsers.h"
#include "settings/settings_writer.h"

namespace tabulex {
namespace {

constexpr std::int32_t kMaxPrecisionDigits = 13;
constexpr std::int32_t kEdgeTimerMilliseconds = 100;
constexpr std::int32_t kAltModifierState = 4;
constexpr int kAltModifierIndex = 3;

int IndexIn(std::int64_t value, int entries) {
  return value >= 0 && value < entries ? static_cast<int>(value) : kNoSelection;
}

int OptionIndex(std::int32_t value) {
  return IndexIn(value, 3);
}

// A list without a selection keeps the field's value.
void TakeIndex(int index, std::int32_t& field, std::int32_t offset = 0) {
  if (index != kNoSelection) field = offset + index;
}

}  // namespace

SettingsWindowValues LoadSettingsWindow(const CalcSettings& settings, const SettingsStore& store) {
  SettingsWindowValues v;
  v.rememberWindow = settings.rememberWindow;
  v.spaceSeparates = settings.spaceSeparates;
  v.keepContent = settings.keepContent;
  v.allowMultipleInstances = settings.allowMultipleInstances;
  v.resultToClipboard = settings.resultToClipboard;
  v.alwaysOnTop = settings.alwaysOnTop;
  v.edgeHiding = settings.edgeHiding;
  v.newLineAfterCalc = settings.newLineAfterCalc;
  v.laptopMode = settings.laptopMode;
  v.newLinePasteResult = settings.newLinePasteResult;
  v.thousandsIndex = IndexIn(settings.thousandsSeparator, kThousandsEntries);
  v.closeActionButton = OptionIndex(settings.closeAction);

  v.fractionButton = OptionIndex(settings.fractionDisplay);
  v.angle = settings.angleUnit == 1   ? AngleChoice::Degrees
            : settings.angleUnit == 2 ? AngleChoice::Radians
                                      : AngleChoice::Grads;
  v.digitsText = FormatSettingInt(settings.precisionDigits);
  v.decimalRounding = settings.decimalRounding;

  v.fullScreenKeyEnabled = settings.fullScreenKeyEnabled;
  v.fullScreenModifierIndex =
      settings.fullScreenKeyModifier == kAltModifierState
          ? kAltModifierIndex
          : IndexIn(settings.fullScreenKeyModifier, kFullScreenModifierEntries);
  v.fullScreenKeyIndex =
      IndexIn(std::int64_t{settings.fullScreenKeyCode} - kFirstFunctionKey, kFunctionKeyEntries);

  v.autoReplace = settings.autoReplace;
  v.wordWrap = ParseSettingBool(ReadSetting(store, SettingId::WordWrap));
  v.quickInput = settings.quickInput;
  v.autoInsertLastResult = settings.autoInsertLastResult;
  v.calculationKeyIndex = settings.enterInsertsNewLine ? 1 : 0;

  v.hotkeyEnabled = settings.hotkeyEnabled;
  v.hotkeyModifierIndex = IndexIn(settings.hotkeyModifier, kHotkeyModifierEntries);
  v.hotkeyKeyIndex =
      IndexIn(std::int64_t{settings.hotkeyKey} - kFirstFunctionKey, kFunctionKeyEntries);
  return v;
}

SettingsWindowOutcome ConfirmSettingsWindow(const SettingsWindowValues& values,
                                            CalcSettings& settings, SettingsStore& store,
                                            const MainWindowPorts& window) {
  // 1. The general page's boxes and lists, in the order the window takes them.
  settings.laptopMode = values.laptopMode;
  settings.spaceSeparates = values.spaceSeparates;
  settings.edgeHiding = values.edgeHiding;
  settings.enterInsertsNewLine = values.calculationKeyIndex != 0;
  TakeIndex(values.thousandsIndex, settings.thousandsSeparator);
  settings.newLinePasteResult = values.newLinePasteResult;
  settings.closeAction = values.closeActionButton == 0 ? 0 : values.closeActionButton == 1 ? 1 : 2;
  settings.allowMultipleInstances = values.allowMultipleInstances;
  settings.rememberWindow = values.rememberWindow;
  settings.keepContent = values.keepContent;
  settings.alwaysOnTop = values.alwaysOnTop;
  window.frame.SetAlwaysOnTop(settings.alwaysOnTop);
  settings.resultToClipboard = values.resultToClipboard;
  settings.newLineAfterCalc = values.newLineAfterCalc;
  settings.hotkeyEnabled = values.hotkeyEnabled;
  settings.decimalRounding = values.decimalRounding;

  // 2. The digits are compared after truncation: 13.9 is taken as 13.
  const std::int32_t digits = ParseSettingInt(values.digitsText);
  if (digits > kMaxPrecisionDigits) return SettingsWindowOutcome::DigitsRefused;
  settings.precisionDigits = digits;

  // 3. 百分度 has no unit of its own: it gives radians.
  settings.angleUnit = values.angle == AngleChoice::Degrees ? 1 : 2;
  // 4.
  settings.fractionDisplay = values.fractionButton == 2 ? 2 : values.fractionButton == 1 ? 1 : 0;
  // 5.
  TakeIndex(values.hotkeyModifierIndex, settings.hotkeyModifier);
  TakeIndex(values.hotkeyKeyIndex, settings.hotkeyKey, kFirstFunctionKey);
  // 6.
  settings.quickInput = values.quickInput;
  settings.autoInsertLastResult = values.autoInsertLastResult;
  window.frame.SetCloseOnEsc(!settings.autoInsertLastResult);
  // 7.
  window.desktop.UnregisterShowHideHotkey();
  if (settings.hotkeyEnabled) {
    window.desktop.RegisterShowHideHotkey(settings.hotkeyModifier, settings.hotkeyKey);
  }
  // 8.
  window.look.SetWordWrap(values.wordWrap);
  // 9.
  settings.autoReplace = values.autoReplace;
  settings.fullScreenKeyEnabled = values.fullScreenKeyEnabled;
  if (values.fullScreenModifierIndex == kAltModifierIndex) {
    settings.fullScreenKeyModifier = kAltModifierState;
  } else {
    TakeIndex(values.fullScreenModifierIndex, settings.fullScreenKeyModifier);
  }
  TakeIndex(values.fullScreenKeyIndex, settings.fullScreenKeyCode, kFirstFunctionKey);
  // 10.
  window.edge.SetEdgeTimerInterval(settings.edgeHiding ? kEdgeTimerMilliseconds : 0);
  // 11. 退出设置 is not among them: shutdown writes it.
  WriteSettingsWindow(store, settings, values.wordWrap);
  return SettingsWindowOutcome::Close;
}

}  // namespace tabulex
