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

WindowBounds OuterBounds(const QWidget& window) {
  const QRect frame = window.isVisible() ? window.frameGeometry() : window.geometry();
  return WindowBounds{frame.left(), frame.top(), frame.width(), frame.height()};
}

void ApplyOuterBounds(QWidget& window, WindowBounds bounds) {
  QMargins frame;
  if (window.isVisible()) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                     outer.right() - inner.right(), outer.bottom() - inner.bottom());
  } else {
    window.winId();  // the native window, which the window manager is asked about
    if (QWindow* handle = window.windowHandle()) {
      RequestFrameExtents(*handle);
      frame = handle->frameMargins();
    }
  }
  // The corner given to move() is the frame's.
  window.move(bounds.left, bounds.top);
  window.resize(std::max(1, bounds.width - frame.left() - frame.right()),
                std::max(1, bounds.height - frame.top() - frame.bottom()));
}

ReportedWindowState ReportedState(const QWidget& window) {
  const Qt::WindowStates state = window.windowState();
  if (state & Qt::WindowMinimized) return ReportedWindowState::Minimised;
  if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return ReportedWindowState::Maximised;
  return ReportedWindowState::Normal;
}

}  // namespace tabulex
