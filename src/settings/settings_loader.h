// The reads of the configuration file. The desktop start-up sequence interleaves them with
// window actions, so there is one function per start-up step that reads keys, each reading
// its keys in a fixed order and parsing each at once; LoadSettings runs them all in
// start-up order (for tabulex-calc --config FILE). A missing key gives its default.
#pragma once

#include <cstdint>

#include "base/calc_settings.h"
#include "settings/settings_records.h"
#include "settings/settings_store.h"

namespace tabulex {

// The window state: 窗口状态.
void LoadWindowState(const SettingsStore& store, CalcSettings& settings);

// The window bounds, in the order width, height, left, top.
void LoadWindowBounds(const SettingsStore& store, CalcSettings& settings);

// Whether several instances may run: 允许多开.
void LoadAllowMultipleInstances(const SettingsStore& store, CalcSettings& settings);

// The skin: 软件皮肤.
void LoadSkinNumber(const SettingsStore& store, CalcSettings& settings);

// The editor background: 背景颜色.
void LoadBackgroundColor(const SettingsStore& store, CalcSettings& settings);

// The transparency and the effects: 皮肤滑块条, then 加载特效.
void LoadSkinSliderAndEffects(const SettingsStore& store, CalcSettings& settings);

// The editor font: its keys, in the order bold, italic, strike-out, underline, name, text
// colour, size.
EditorProperties LoadEditorProperties(const SettingsStore& store);

// The remaining CalcSettings fields, in a fixed order; an undo limit of 0
// or less becomes 50. Returns 自动折回 (word wrap), which goes to the editor, not the record.
bool LoadRunSettings(const SettingsStore& store, CalcSettings& settings);

// 起始选择位置, read only when the kept text is restored.
std::int32_t LoadCaretOffset(const SettingsStore& store);

struct LoadedSettings {
  EditorProperties editor;
  bool wordWrap{false};
};

// Steps 1 to 12 in order. 起始选择位置 is not read: it belongs to restoring the kept text.
LoadedSettings LoadSettings(const SettingsStore& store, CalcSettings& settings);

// Reads outside the start-up sequence.
// The settings window shows 自动折回 from the file, not from memory.
bool LoadWordWrap(const SettingsStore& store);
// The window position dialog shows the stored texts as they are: left, top, width, height.
WindowPositionTexts LoadWindowPositionTexts(const SettingsStore& store);
// The keypad window, when it opens: width, height, left, top, 键盘模式.
KeypadSettings LoadKeypadSettings(const SettingsStore& store);
// The single-instance step of a second instance: 窗口代号 (no default, so missing reads 0).
std::int32_t LoadWindowCode(const SettingsStore& store);

}  // namespace tabulex
