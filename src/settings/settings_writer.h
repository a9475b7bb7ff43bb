// The writes of the configuration file. There is no central save: each operation writes
// the keys it owns, always in the same order. Every write stands alone: one that fails
// (no directory yet, read-only file) does not stop the ones after it, and nothing is
// reported, as the values in memory stay in force for the rest of the run.
#pragma once

#include <cstdint>

#include "base/calc_settings.h"
#include "settings/run_files_directory.h"
#include "settings/settings_records.h"
#include "settings/settings_store.h"

namespace tabulex {

// Settings window OK: its 26 keys, from 自动替换 to 按esc退出 (not 退出设置, which
// shutdown writes). wordWrap is the window's 自动折回 box.
void WriteSettingsWindow(SettingsStore& store, const CalcSettings& settings, bool wordWrap);

// Appearance window OK: 背景颜色, 软件皮肤, 皮肤滑块条, 加载特效.
void WriteAppearance(SettingsStore& store, const CalcSettings& settings);

// Undo settings window OK: 撤销设置.
void WriteUndoLimit(SettingsStore& store, const CalcSettings& settings);

// Window position dialog OK: left, top, width, height, as typed.
void WriteWindowPosition(SettingsStore& store, const WindowPositionTexts& texts);

// Keypad window closing: width, height, left, top, 键盘模式.
void WriteKeypadSettings(SettingsStore& store, const KeypadSettings& keypad);

// Single-instance step of the instance that holds the lock: 窗口代号.
void WriteWindowCode(SettingsStore& store, std::int64_t windowCode);

// Shutdown, steps 1 to 6 (the text backup and the tray icon are the caller's):
// 1. creates the run-files directory when the configuration file does not exist;
// 2. the font keys from editor; 3. the four bounds, only when rememberWindow;
// 4. 起始选择位置 from caretOffset; 5. 退出设置, 撤销设置, 四舍五入, 窗口状态;
// 6. runCount + 1 (it stays at the 64-bit maximum), written as 运行次数.
void SaveOnClose(SettingsStore& store, const RunFilesPaths& paths, const EditorProperties& editor,
                 std::int64_t caretOffset, CalcSettings& settings);

// Part of resetting the settings: deletes the configuration file and both backup files (the text
// backup and a stale "Tabulo备份文件.ini"); failures are ignored.
void DeleteSettingsFiles(const RunFilesPaths& paths);

}  // namespace tabulex
