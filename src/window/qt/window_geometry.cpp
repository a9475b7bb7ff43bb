#include "window/qt/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "window/qt/x11_connection.h"

namespace tabulex {

ScreenRect PrimaryScreenRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return ScreenRect{0, 0, 1024, 768};
  const QRect area = screen->geometry();
  return ScreenRect{area.left(), area.top(), area.width(), area.height()};
}

namespace {

// The frame around the window: on X11 as the window manager says (asked for before the
// window is first shown), elsewhere as Qt knows it.
QMargins Frame(const QWidget& window, bool askBeforeShowing) {
  const QWindow* handle = window.windowHandle();
  if (handle == nullptr) return {};
  if (X11Connection() != nullptr) {
    const std::optional<QMargins> extents = askBeforeShowing && !window.isVisible()
                                                ? RequestFrameExtents(*handle)
                                                : FrameExtents(*handle);
    return extents.value_or(QMargins());
  }
  return handle->frameMargins();
}

}  // namespace

WindowBounds OuterBounds(const QWidget& window) {
  const QRect outer = window.geometry().marginsAdded(Frame(window, false));
  return WindowBounds{outer.left(), outer.top(), outer.width(), outer.height()};
}

void ApplyOuterBounds(QWidget& window, WindowBounds bounds) {
  window.winId();  // the native window, whose frame the window manager is asked about
  const QMargins frame = Frame(window, true);
  // The window's own rectangle inside the frame: placed so, it lands exactly where asked,
  // whatever the window manager's gravity.
  window.setGeometry(bounds.left + frame.left(), bounds.top + frame.top(),
                     std::max(1, bounds.width - frame.left() - frame.right()),
                     std::max(1, bounds.height - frame.top() - frame.bottom()));
}

ReportedWindowState ReportedState(const QWidget& window) {
  const Qt::WindowStates state = window.windowState();
  if (state & Qt::WindowMinimized) return ReportedWindowState::Minimised;
  if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return ReportedWindowState::Maximised;
  return ReportedWindowState::Normal;
}

}  // namespace tabulex
