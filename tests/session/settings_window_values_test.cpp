#include "session/settings_window_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "support/settings_dialog_recorders.h"

namespace tabulex {
namespace {

// Every field of the window away from its default, all within the lists' ranges.
CalcSettings ChangedSettings() {
  CalcSettings s;
  s.rememberWindow = false;
  s.spaceSeparates = true;
  s.keepContent = true;
  s.allowMultipleInstances = true;
  s.resultToClipboard = true;
  s.alwaysOnTop = true;
  s.edgeHiding = true;
  s.newLineAfterCalc = true;
  s.laptopMode = true;
  s.newLinePasteResult = true;
  s.thousandsSeparator = 2;
  s.closeAction = 1;
  s.fractionDisplay = 1;
  s.angleUnit = 2;
  s.precisionDigits = -3;
  s.decimalRounding = false;
  s.fullScreenKeyEnabled = true;
  s.fullScreenKeyModifier = 2;
  s.fullScreenKeyCode = 123;
  s.autoReplace = true;
  s.quickInput = true;
  s.autoInsertLastResult = true;
  s.enterInsertsNewLine = true;
  s.hotkeyEnabled = true;
  s.hotkeyModifier = 1;
  s.hotkeyKey = 117;
  return s;
}

// The fields the window shows and takes (closeAction aside, which it never writes).
void ExpectSameWindowFields(const CalcSettings& a, const CalcSettings& b) {
  EXPECT_EQ(a.rememberWindow, b.rememberWindow);
  EXPECT_EQ(a.spaceSeparates, b.spaceSeparates);
  EXPECT_EQ(a.keepContent, b.keepContent);
  EXPECT_EQ(a.allowMultipleInstances, b.allowMultipleInstances);
  EXPECT_EQ(a.resultToClipboard, b.resultToClipboard);
  EXPECT_EQ(a.alwaysOnTop, b.alwaysOnTop);
  EXPECT_EQ(a.edgeHiding, b.edgeHiding);
  EXPECT_EQ(a.newLineAfterCalc, b.newLineAfterCalc);
  EXPECT_EQ(a.laptopMode, b.laptopMode);
  EXPECT_EQ(a.newLinePasteResult, b.newLinePasteResult);
  EXPECT_EQ(a.thousandsSeparator, b.thousandsSeparator);
  EXPECT_EQ(a.closeAction, b.closeAction);
  EXPECT_EQ(a.fractionDisplay, b.fractionDisplay);
  EXPECT_EQ(a.angleUnit, b.angleUnit);
  EXPECT_EQ(a.precisionDigits, b.precisionDigits);
  EXPECT_EQ(a.decimalRounding, b.decimalRounding);
  EXPECT_EQ(a.fullScreenKeyEnabled, b.fullScreenKeyEnabled);
  EXPECT_EQ(a.fullScreenKeyModifier, b.fullScreenKeyModifier);
  EXPECT_EQ(a.fullScreenKeyCode, b.fullScreenKeyCode);
  EXPECT_EQ(a.autoReplace, b.autoReplace);
  EXPECT_EQ(a.quickInput, b.quickInput);
  EXPECT_EQ(a.autoInsertLastResult, b.autoInsertLastResult);
  EXPECT_EQ(a.enterInsertsNewLine, b.enterInsertsNewLine);
  EXPECT_EQ(a.hotkeyEnabled, b.hotkeyEnabled);
  EXPECT_EQ(a.hotkeyModifier, b.hotkeyModifier);
  EXPECT_EQ(a.hotkeyKey, b.hotkeyKey);
}

TEST(SettingsWindowValues, OpensWithTheSettingsAndWordWrapFromTheFile) {
  EventLog log;
  RecordingStore store(log, "[其他设置]\n自动折回=真\n");
  const SettingsWindowValues v = LoadSettingsWindow(ChangedSettings(), store);
  EXPECT_FALSE(v.rememberWindow);
  EXPECT_TRUE(v.edgeHiding);
  EXPECT_EQ(v.thousandsIndex, 2);
  EXPECT_EQ(v.closeActionButton, 1);
  EXPECT_EQ(v.fractionButton, 1);
  EXPECT_EQ(v.angle, AngleChoice::Radians);
  EXPECT_EQ(v.digitsText, "-3");
  EXPECT_FALSE(v.decimalRounding);
  EXPECT_EQ(v.fullScreenModifierIndex, 2);
  EXPECT_EQ(v.fullScreenKeyIndex, 11);
  EXPECT_TRUE(v.wordWrap);
  EXPECT_EQ(v.calculationKeyIndex, 1);
  EXPECT_EQ(v.hotkeyModifierIndex, 1);
  EXPECT_EQ(v.hotkeyKeyIndex, 5);

  // Word wrap has no field: a missing key is off, whatever the editor shows.
  RecordingStore empty(log);
  EXPECT_FALSE(LoadSettingsWindow(ChangedSettings(), empty).wordWrap);
}

TEST(SettingsWindowValues, StoredValuesOutsideTheListsSelectNothing) {
  const struct {
    const char* name;
    std::function<void(CalcSettings&)> stored;
    std::function<void(const SettingsWindowValues&)> expect;
  } rows[] = {
      {"closeAction 3", [](CalcSettings& s) { s.closeAction = 3; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.closeActionButton, kNoSelection); }},
      {"fractionDisplay -1", [](CalcSettings& s) { s.fractionDisplay = -1; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.fractionButton, kNoSelection); }},
      {"angleUnit 0 shows 百分度", [](CalcSettings& s) { s.angleUnit = 0; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.angle, AngleChoice::Grads); }},
      {"thousandsSeparator 3", [](CalcSettings& s) { s.thousandsSeparator = 3; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.thousandsIndex, kNoSelection); }},
      {"full-screen Alt (4)", [](CalcSettings& s) { s.fullScreenKeyModifier = 4; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.fullScreenModifierIndex, 3); }},
      {"full-screen modifier 3", [](CalcSettings& s) { s.fullScreenKeyModifier = 3; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.fullScreenModifierIndex, 3); }},
      {"full-screen modifier 5", [](CalcSettings& s) { s.fullScreenKeyModifier = 5; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.fullScreenModifierIndex, kNoSelection); }},
      {"hotkey modifier 4", [](CalcSettings& s) { s.hotkeyModifier = 4; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.hotkeyModifierIndex, kNoSelection); }},
      {"key 111, below F1", [](CalcSettings& s) { s.hotkeyKey = 111; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.hotkeyKeyIndex, kNoSelection); }},
      {"key 124, above F12", [](CalcSettings& s) { s.fullScreenKeyCode = 124; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.fullScreenKeyIndex, kNoSelection); }},
      {"key -2147483648", [](CalcSettings& s) { s.hotkeyKey = INT32_MIN; },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.hotkeyKeyIndex, kNoSelection); }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EventLog log;
    RecordingStore store(log);
    CalcSettings settings;
    row.stored(settings);
    row.expect(LoadSettingsWindow(settings, store));
  }
}

TEST(SettingsWindowValues, OkAppliesItsEffectsThenWritesItsKeysInOrder) {
  EventLog log;
  RecordingStore store(log);
  RecordingEffects effects(log);
  CalcSettings settings;
  SettingsWindowValues values = LoadSettingsWindow(ChangedSettings(), store);
  values.wordWrap = true;

  ASSERT_EQ(ConfirmSettingsWindow(values, settings, store, effects), SettingsWindowOutcome::Close);

  ExpectSameWindowFields(settings, ChangedSettings());
  const EventLog expected = {
      "SetAlwaysOnTop true",          "SetCloseOnEsc false",       "UnregisterShowHideHotkey",
      "RegisterShowHideHotkey 1+117", "SetWordWrap true",          "SetEdgeTimerInterval 100",
      "其他设置/自动替换=真",         "其他设置/自动折回=真",      "其他设置/成对括号=真",
      "其他设置/分数类型=1",          "运行设置/边缘隐藏=真",      "运行设置/小数类型=假",
      "热键设置/热键状态=真",         "热键设置/辅助功能快捷键=1", "热键设置/辅助快捷键=117",
      "热键设置/全屏快捷键=真",       "热键设置/全屏功能快捷键=2", "热键设置/全屏辅助快捷键=123",
      "运行设置/运算精度设置=-3",     "其他设置/角度制选中=2",     "运行设置/空格分式=真",
      "运行设置/笔记本用户=真",       "运行设置/换行粘贴结果=真",  "其他设置/窗口前置=真",
      "其他设置/结果到粘贴板=真",     "其他设置/运算换行变量=真",  "其他设置/逗号千分割=2",
      "其他设置/回车换行=真",         "其他设置/记住窗口=假",      "其他设置/允许多开=真",
      "其他设置/退出保存=真",         "其他设置/按esc退出 =真",
  };
  EXPECT_EQ(log, expected);
}

TEST(SettingsWindowValues, OkWithTheHotkeyAndEdgeHidingOffStopsBoth) {
  EventLog log;
  RecordingStore store(log);
  RecordingEffects effects(log);
  CalcSettings settings = ChangedSettings();
  settings.hotkeyEnabled = false;
  settings.edgeHiding = false;
  settings.autoInsertLastResult = false;
  ConfirmSettingsWindow(LoadSettingsWindow(settings, store), settings, store, effects);
  const EventLog effectsOnly(log.begin(), log.begin() + 5);
  EXPECT_EQ(effectsOnly,
            (EventLog{"SetAlwaysOnTop true", "SetCloseOnEsc true", "UnregisterShowHideHotkey",
                      "SetWordWrap false", "SetEdgeTimerInterval 0"}));
}

TEST(SettingsWindowValues, ReopeningShowsWhatOkTook) {
  const struct {
    const char* name;
    std::function<void(SettingsWindowValues&)> choose;
    std::function<void(const CalcSettings&)> stored;
    std::function<void(const SettingsWindowValues&)> shown;
  } rows[] = {
      {"unchanged", [](SettingsWindowValues&) {},
       [](const CalcSettings& s) { ExpectSameWindowFields(s, ChangedSettings()); },
       [](const SettingsWindowValues&) {}},
      // 百分度 has no unit of its own.
      {"百分度", [](SettingsWindowValues& v) { v.angle = AngleChoice::Grads; },
       [](const CalcSettings& s) { EXPECT_EQ(s.angleUnit, 2); },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.angle, AngleChoice::Radians); }},
      {"角度制", [](SettingsWindowValues& v) { v.angle = AngleChoice::Degrees; },
       [](const CalcSettings& s) { EXPECT_EQ(s.angleUnit, 1); },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.angle, AngleChoice::Degrees); }},
      {"full-screen Alt", [](SettingsWindowValues& v) { v.fullScreenModifierIndex = 3; },
       [](const CalcSettings& s) { EXPECT_EQ(s.fullScreenKeyModifier, 4); },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.fullScreenModifierIndex, 3); }},
      {"Ctrl+F6",
       [](SettingsWindowValues& v) {
         v.hotkeyModifierIndex = 1;
         v.hotkeyKeyIndex = 5;
       },
       [](const CalcSettings& s) {
         EXPECT_EQ(s.hotkeyModifier, 1);
         EXPECT_EQ(s.hotkeyKey, 117);
       },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.hotkeyKeyIndex, 5); }},
      {"Enter calculates", [](SettingsWindowValues& v) { v.calculationKeyIndex = 0; },
       [](const CalcSettings& s) { EXPECT_FALSE(s.enterInsertsNewLine); },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.calculationKeyIndex, 0); }},
      {"置托盘 and 带分数",
       [](SettingsWindowValues& v) {
         v.closeActionButton = 2;
         v.fractionButton = 2;
       },
       [](const CalcSettings& s) {
         EXPECT_EQ(s.closeAction, 2);
         EXPECT_EQ(s.fractionDisplay, 2);
       },
       [](const SettingsWindowValues& v) { EXPECT_EQ(v.fractionButton, 2); }},
      // Option groups with nothing checked follow their rules: else-branches.
      {"no exit or fraction button",
       [](SettingsWindowValues& v) {
         v.closeActionButton = kNoSelection;
         v.fractionButton = kNoSelection;
       },
       [](const CalcSettings& s) {
         EXPECT_EQ(s.closeAction, 2);
         EXPECT_EQ(s.fractionDisplay, 0);
       },
       [](const SettingsWindowValues&) {}},
      // A list without a selection never turns into a key code of its own (111, -1).
      {"lists without a selection",
       [](SettingsWindowValues& v) {
         v.thousandsIndex = kNoSelection;
         v.hotkeyModifierIndex = kNoSelection;
         v.hotkeyKeyIndex = kNoSelection;
         v.fullScreenModifierIndex = kNoSelection;
         v.fullScreenKeyIndex = kNoSelection;
       },
       [](const CalcSettings& s) { ExpectSameWindowFields(s, ChangedSettings()); },
       [](const SettingsWindowValues&) {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EventLog log;
    RecordingStore store(log);
    RecordingEffects effects(log);
    CalcSettings settings = ChangedSettings();
    SettingsWindowValues values = LoadSettingsWindow(settings, store);
    row.choose(values);
    ASSERT_EQ(ConfirmSettingsWindow(values, settings, store, effects),
              SettingsWindowOutcome::Close);
    row.stored(settings);
    row.shown(LoadSettingsWindow(settings, store));
  }
}

TEST(SettingsWindowValues, DigitsAreTruncatedAndAtMostThirteen) {
  const struct {
    const char* text;
    bool accepted;
    std::int32_t digits;
  } rows[] = {
      {"13", true, 13},   {"13.9", true, 13},  {"-3", true, -3},           {"0", true, 0},
      {"abc", true, 0},   {" 12px", true, 12}, {"14", false, 0},           {"13.99e1", false, 0},
      {"1e10", false, 0}, {"inf", false, 0},   {"-1e10", true, INT32_MIN},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EventLog log;
    RecordingStore store(log);
    RecordingEffects effects(log);
    CalcSettings settings;
    SettingsWindowValues values = LoadSettingsWindow(settings, store);
    values.digitsText = row.text;
    const SettingsWindowOutcome outcome = ConfirmSettingsWindow(values, settings, store, effects);
    EXPECT_EQ(outcome == SettingsWindowOutcome::Close, row.accepted);
    if (row.accepted) {
      EXPECT_EQ(settings.precisionDigits, row.digits);
    }
  }
}

TEST(SettingsWindowValues, RefusedDigitsKeepWhatWasTakenBeforeAndWriteNothing) {
  EventLog log;
  RecordingStore store(log);
  RecordingEffects effects(log);
  CalcSettings settings;
  SettingsWindowValues values = LoadSettingsWindow(ChangedSettings(), store);
  values.digitsText = "14";

  ASSERT_EQ(ConfirmSettingsWindow(values, settings, store, effects),
            SettingsWindowOutcome::DigitsRefused);

  // Taken before the check, and the topmost state already applied.
  EXPECT_TRUE(settings.laptopMode);
  EXPECT_TRUE(settings.alwaysOnTop);
  EXPECT_EQ(settings.closeAction, 1);
  EXPECT_FALSE(settings.decimalRounding);
  EXPECT_TRUE(settings.hotkeyEnabled);
  // Not reached.
  const CalcSettings defaults;
  EXPECT_EQ(settings.precisionDigits, defaults.precisionDigits);
  EXPECT_EQ(settings.angleUnit, defaults.angleUnit);
  EXPECT_EQ(settings.hotkeyKey, defaults.hotkeyKey);
  EXPECT_EQ(settings.autoReplace, defaults.autoReplace);
  EXPECT_EQ(log, EventLog{"SetAlwaysOnTop true"});
}

}  // namespace
}  // namespace tabulex
