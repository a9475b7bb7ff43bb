// WindowFrameAdapter: the frame port carried out on the real main window through Qt and the
// window manager. It keeps the two flags the port sets that Qt has no place for: the state
// the window is shown in at start, and whether Esc closes it.
#pragma once

#include "window/platform_abilities.h"
#include "window/window_frame_port.h"

class QWidget;

namespace tabulex {

class WindowFrameAdapter final : public WindowFramePort {
 public:
  WindowFrameAdapter(QWidget& window, QWidget& editor, PlatformAbilities platform)
      : m_window{window}, m_editor{editor}, m_platform{platform} {}

  bool Maximised() const { return m_maximised; }
  bool CloseOnEsc() const { return m_closeOnEsc; }

  void ApplyBounds(const WindowBounds& bounds) override;
  WindowBounds Bounds() const override;
  void SetMaximised(bool maximised) override { m_maximised = maximised; }
  ScreenRect PrimaryScreen() const override;
  bool IsShown() const override;
  void ShowWindow() override;
  void HideWindow() override;
  void Minimise() override;
  void SetNormalState() override;
  void BringToFront() override;
  void SetAlwaysOnTop(bool alwaysOnTop) override;
  void FocusEditor() override;
  void SetCloseOnEsc(bool closeOnEsc) override { m_closeOnEsc = closeOnEsc; }

 private:
  QWidget& m_window;
  QWidget& m_editor;
  const PlatformAbilities m_platform;
  bool m_maximised{false};
  bool m_closeOnEsc{false};
};

}  // namespace tabulex
