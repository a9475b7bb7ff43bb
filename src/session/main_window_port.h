// What the start-up and shutdown sequences ask of the main window, one call per action. The
// window layer implements both on the MainWindow; features that come later (single instance,
// tray icon, hotkey, edge hiding, skins) sit behind calls that may do nothing yet.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/placement_check.h"
#include "settings/settings_records.h"

namespace tabulex {

// The start-up sequence's view of the main window. It runs before the window is first shown.
class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;

  // The window's outer bounds in screen pixels. Bounds() returns them in the same terms as
  // ApplyBounds takes them (what was applied, unless the window adjusted it), and while the
  // window is marked maximised it returns the bounds it comes back to.
  virtual void ApplyBounds(const WindowBounds& bounds) = 0;
  virtual WindowBounds Bounds() const = 0;
  // The state the window is shown in: maximised, or normal at its bounds.
  virtual void SetMaximised(bool maximised) = 0;
  virtual ScreenRect PrimaryScreen() const = 0;

  // The single-instance step: true when this instance goes on. False in a second instance,
  // which has asked the first to restore its window and must now end with exit code 0.
  virtual bool RunSingleInstanceStep() = 0;

  virtual void ApplySkin(std::int32_t skinNumber) = 0;
  virtual void FocusEditor() = 0;
  virtual void SetEditorBackgroundColor(std::int32_t color) = 0;  // 0x00BBGGRR
  virtual void ApplySkinTransparency(std::int32_t skinSlider) = 0;
  virtual void ApplySkinEffects(bool effects) = 0;
  virtual void AddTrayIcon() = 0;
  // Bold, italic, strike-out, underline, font name, text colour, font size, in this order.
  virtual void ApplyEditorFont(const EditorProperties& font) = 0;
  virtual void SetWordWrap(bool wordWrap) = 0;
  virtual void RegisterShowHideHotkey(std::int32_t modifierCode, std::int32_t keyCode) = 0;
  virtual void UnregisterShowHideHotkey() = 0;
  // The watch that sets SessionEnding (session end, SIGTERM, SIGHUP).
  virtual void InstallSessionEndWatch() = 0;
  virtual void InstallEditorKeyUpHook() = 0;
  virtual void RegisterDropTarget() = 0;
  virtual void SetAlwaysOnTop(bool alwaysOnTop) = 0;
  // RestoreContentBackup of the content backup unit: the kept text and its caret (which it
  // reads from the configuration file), or the blank document.
  virtual void RestoreContentBackup() = 0;
  virtual void RecordInitialUndoSnapshot() = 0;
  // CaretPositionDisplay into the status bar's second part.
  virtual void ShowCaretPosition() = 0;
  // 0 stops the edge timer.
  virtual void SetEdgeTimerInterval(std::int32_t milliseconds) = 0;
  // A GBK text for the status bar's first part.
  virtual void ShowStatus(std::string_view gbkText) = 0;
  virtual void PullBackOnScreen() = 0;
  virtual void SetEdgeGraceTicks(std::int32_t ticks) = 0;
};

// The shutdown sequence's view of the main window, while its editor still exists.
class ShutdownWindowPort {
 public:
  virtual ~ShutdownWindowPort() = default;

  virtual EditorProperties EditorFont() const = 0;
  // The editor's caret as a byte offset into its GBK text.
  virtual std::int64_t CaretOffset() const = 0;
  // SaveContentBackup of the content backup unit.
  virtual void SaveContentBackup() = 0;
  virtual void RemoveTrayIcon() = 0;
};

}  // namespace tabulex
