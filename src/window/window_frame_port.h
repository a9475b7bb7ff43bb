// WindowFramePort: the main window as a frame on the desktop: its place and size, its state,
// whether it is shown and in front, and where the keyboard goes. The rules that move it
// (start-up, the hotkey, the tray, the settings) call it; app/ carries the calls out on the
// real window.
#pragma once

#include "base/placement_check.h"

namespace tabulex {

class WindowFramePort {
 public:
  virtual ~WindowFramePort() = default;

  // The window's outer bounds in screen pixels. Bounds() returns them in the same terms as
  // ApplyBounds takes them (what was applied, unless the window adjusted it), and while the
  // window is marked maximised it returns the bounds it comes back to.
  virtual void ApplyBounds(const WindowBounds& bounds) = 0;
  virtual WindowBounds Bounds() const = 0;
  // The state the window is shown in: maximised, or normal at its bounds.
  virtual void SetMaximised(bool maximised) = 0;
  virtual ScreenRect PrimaryScreen() const = 0;

  // Visible on screen or minimised (a minimised window counts as visible); false when hidden.
  virtual bool IsShown() const = 0;
  // Makes the window visible; its minimised, maximised or normal state stays as it is.
  virtual void ShowWindow() = 0;
  virtual void HideWindow() = 0;
  virtual void Minimise() = 0;
  // Neither minimised nor maximised.
  virtual void SetNormalState() = 0;
  // Raises the window above the others and activates it.
  virtual void BringToFront() = 0;
  // The window's topmost state.
  virtual void SetAlwaysOnTop(bool alwaysOnTop) = 0;
  // The keyboard goes to the editor.
  virtual void FocusEditor() = 0;
  // While set, Esc in the main window asks it to close.
  virtual void SetCloseOnEsc(bool closeOnEsc) = 0;
};

}  // namespace tabulex
