#include "window/qt/window_front.h"

#include <QWidget>
#include <QWindow>

namespace tabulex {

void SetStaysOnTop(QWidget& window, bool onTop) {
  const Qt::WindowFlags flags = window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
  if (flags == window.windowFlags()) return;
  QWindow* handle = window.windowHandle();
  if (handle == nullptr) {
    // No native window yet: nothing is shown that could be hidden.
    window.setWindowFlags(flags);
    return;
  }
  // The native window takes the hint as it is (on X11 as _NET_WM_STATE_ABOVE); the widget
  // only has to agree with it.
  window.overrideWindowFlags(flags);
  handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
}

void RaiseAndActivate(QWidget& window) {
  window.raise();
  window.activateWindow();
}

void RestoreWindow(QWidget& window) {
  window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.show();
  RaiseAndActivate(window);
}

}  // namespace tabulex
