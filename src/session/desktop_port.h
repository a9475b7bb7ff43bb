// DesktopPort: what the program registers with the desktop around its window: the
// single-instance hand-off, the tray icon, the global hotkey, the watch on the session's end.
#pragma once

#include <cstdint>

namespace tabulex {

class DesktopPort {
 public:
  virtual ~DesktopPort() = default;

  // The single-instance step: true when this instance goes on. False in a second instance,
  // which has asked the first to restore its window and must now end with exit code 0.
  virtual bool RunSingleInstanceStep() = 0;
  virtual void AddTrayIcon() = 0;
  virtual void RemoveTrayIcon() = 0;
  // Modifier 0 none, 1 Ctrl, 2 Shift; key 112 to 123 = F1 to F12.
  virtual void RegisterShowHideHotkey(std::int32_t modifierCode, std::int32_t keyCode) = 0;
  virtual void UnregisterShowHideHotkey() = 0;
  // The watch that sets SessionEnding (session end, SIGTERM, SIGHUP).
  virtual void InstallSessionEndWatch() = 0;
  virtual void InstallEditorKeyUpHook() = 0;
  virtual void RegisterDropTarget() = 0;
};

}  // namespace tabulex
