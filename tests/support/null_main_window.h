// NullMainWindow: a main window that does nothing and reports defaults, behind every port the
// sequences and the settings use. A test double derives from it and overrides what it
// records; it passes wherever the whole window (MainWindowPorts) is wanted.
#pragma once

#include "session/main_window_ports.h"

namespace tabulex {

class NullMainWindow : public WindowFramePort,
                       public EdgePort,
                       public LookPort,
                       public DesktopPort,
                       public DocumentPort {
 public:
  operator MainWindowPorts() { return MainWindowPorts{*this, *this, *this, *this, *this}; }

  // WindowFramePort
  void ApplyBounds(const WindowBounds&) override {}
  WindowBounds Bounds() const override { return {}; }
  void SetMaximised(bool) override {}
  ScreenRect PrimaryScreen() const override { return {}; }
  bool IsShown() const override { return true; }
  void ShowWindow() override {}
  void HideWindow() override {}
  void Minimise() override {}
  void SetNormalState() override {}
  void BringToFront() override {}
  void SetAlwaysOnTop(bool) override {}
  void FocusEditor() override {}
  void SetCloseOnEsc(bool) override {}
  // EdgePort
  void SetEdgeTimerInterval(std::int32_t) override {}
  void PullBackOnScreen() override {}
  void Tuck() override {}
  void SetEdgeGraceTicks(std::int32_t) override {}
  // LookPort
  void ApplySkin(std::int32_t) override {}
  void ApplyTransparency(std::int32_t) override {}
  void ApplyEffects(bool) override {}
  void SetEditorBackgroundColor(std::int32_t) override {}
  void ApplyEditorFont(const EditorProperties&) override {}
  EditorProperties EditorFont() const override { return {}; }
  void SetWordWrap(bool) override {}
  // DesktopPort
  bool RunSingleInstanceStep() override { return true; }
  void AddTrayIcon() override {}
  void RemoveTrayIcon() override {}
  void RegisterShowHideHotkey(std::int32_t, std::int32_t) override {}
  void UnregisterShowHideHotkey() override {}
  void InstallSessionEndWatch() override {}
  void InstallEditorKeyUpHook() override {}
  void RegisterDropTarget() override {}
  // DocumentPort
  void RestoreContentBackup() override {}
  void SaveContentBackup() override {}
  std::int64_t CaretOffset() const override { return 0; }
  void RecordInitialUndoSnapshot() override {}
  void SetUndoLimit(std::int32_t) override {}
  void ShowCaretPosition() override {}
  void ShowStatus(std::string_view) override {}
};

}  // namespace tabulex
