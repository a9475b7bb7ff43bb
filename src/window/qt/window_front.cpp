#include "window/qt/window_front.h"

#include <QWidget>
#include <QWindow>

#include "window/qt/x11_connection.h"

namespace tabulex {

namespace {

constexpr Qt::WindowFlags kWindowButtons = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;

bool WithoutButtons(Qt::WindowFlags flags) {
  return flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowTitleHint) &&
         !(flags & kWindowButtons);
}

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
  // Qt writes its own frame hints with every change of the flags (the topmost state too).
  if (WithoutButtons(flags)) ShowBorderOnly(*handle);
}

}  // namespace

void SetStaysOnTop(QWidget& window, bool onTop) {
  ChangeWindowFlags(window, window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop));
}

void SetFrameButtons(QWidget& window, bool withButtons) {
  Qt::WindowFlags flags = window.windowFlags();
  flags.setFlag(Qt::CustomizeWindowHint, !withButtons);
  flags.setFlag(Qt::WindowTitleHint, true);
  if (withButtons) {
    flags |= kWindowButtons;
  } else {
    flags &= ~kWindowButtons;
  }
  ChangeWindowFlags(window, flags);
}

void SetCaption(QWidget& window, const QString& caption) {
  window.setWindowTitle(caption);
  // Shown as a blank caption: for an empty one Qt would show the program's name instead.
  if (caption.isEmpty() && window.windowHandle() != nullptr) {
    window.windowHandle()->setTitle(QStringLiteral(" "));
  }
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
