#include "window/qt/window_front.h"

#include <QWidget>
#include <QWindow>

namespace tabulex {

namespace {

void ChangeWindowFlags(QWidget& window, Qt::WindowFlags flags) {
  if (flags == window.windowFlags()) return;
  QWindow* handle = window.windowHandle();
  if (handle == nullptr) {
    // No native window yet: nothing is shown that could be hidden.
    window.setWindowFlags(flags);
    return;
  }
  // The native window takes the flags as they are (on X11 as window manager hints); the
  // widget only has to agree with it.
  window.overrideWindowFlags(flags);
  handle->setFlags(flags);
}

}  // namespace

void SetStaysOnTop(QWidget& window, bool onTop) {
  ChangeWindowFlags(window, window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop));
}

void SetFrameButtons(QWidget& window, bool withButtons) {
  Qt::WindowFlags flags = window.windowFlags();
  flags.setFlag(Qt::CustomizeWindowHint, !withButtons);
  flags.setFlag(Qt::WindowTitleHint, true);
  for (const Qt::WindowType button : {Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
                                      Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint}) {
    flags.setFlag(button, withButtons);
  }
  ChangeWindowFlags(window, flags);
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
