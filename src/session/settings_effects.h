// What the settings dialogs and the reset command change on the main window at once, one
// call per effect. The settings themselves go into CalcSettings, which the other parts read;
// these calls are for state that lives outside it (the window, the editor, the hotkey, the
// timers, the undo history).
//
// The calls that also occur at start-up have the same names and parameters as there
// (MainWindowPort), so one implementation on the main window serves both.
#pragma once

#include <cstdint>

#include "base/placement_check.h"
#include "settings/settings_records.h"

namespace tabulex {

class SettingsEffects {
 public:
  virtual ~SettingsEffects() = default;

  // Settings window OK, in this order:
  // the topmost state, set as soon as 窗口前置 is taken (even when the digits are refused
  // later on);
  virtual void SetAlwaysOnTop(bool alwaysOnTop) = 0;
  // the close-on-Esc flag: while set, Esc in the main window sends it a close request;
  virtual void SetCloseOnEsc(bool closeOnEsc) = 0;
  // the show/hide hotkey: always unregistered first, then registered again when enabled
  // (modifier 0 none, 1 Ctrl, 2 Shift; key 112 to 123 = F1 to F12);
  virtual void UnregisterShowHideHotkey() = 0;
  virtual void RegisterShowHideHotkey(std::int32_t modifierCode, std::int32_t keyCode) = 0;
  // word wrap of the editor (自动折回), which has no CalcSettings field;
  virtual void SetWordWrap(bool wordWrap) = 0;
  // the edge timer: 100 ms while edge hiding is on, 0 stops it.
  virtual void SetEdgeTimerInterval(std::int32_t milliseconds) = 0;

  // Undo settings window OK and reset: the undo history's limit, taking effect at once.
  virtual void SetUndoLimit(std::int32_t limit) = 0;

  // Reset, in this order (SetUndoLimit(50) comes between the bounds and the skin):
  // the editor's default font and black text;
  virtual void ApplyEditorFont(const EditorProperties& font) = 0;
  // the main window at 150, 150, 800 x 400 (its move and resize tracking records them);
  virtual void ApplyBounds(const WindowBounds& bounds) = 0;
  // skin effects off, transparency at slider value 0, skin 8;
  virtual void ApplySkinEffects(bool effects) = 0;
  virtual void ApplySkinTransparency(std::int32_t skinSlider) = 0;
  virtual void ApplySkin(std::int32_t skinNumber) = 0;
  // a white editor background (backgroundColor itself keeps its value), 0x00BBGGRR;
  virtual void SetEditorBackgroundColor(std::int32_t color) = 0;
  // the edge-hiding grace countdown, in edge timer ticks.
  virtual void SetEdgeGraceTicks(std::int32_t ticks) = 0;
};

}  // namespace tabulex
