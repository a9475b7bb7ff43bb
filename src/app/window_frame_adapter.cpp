#include "app/window_frame_adapter.h"

#include <QWidget>

#include "window/qt/window_front.h"
#include "window/qt/window_geometry.h"

namespace tabulex {

void WindowFrameAdapter::ApplyBounds(const WindowBounds& bounds) {
  ApplyOuterBounds(m_window, bounds);
}

WindowBounds WindowFrameAdapter::Bounds() const {
  return OuterBounds(m_window);
}

ScreenRect WindowFrameAdapter::PrimaryScreen() const {
  return PrimaryScreenRect();
}

bool WindowFrameAdapter::IsShown() const {
  return m_window.isVisible();
}

void WindowFrameAdapter::ShowWindow() {
  m_window.show();
}

void WindowFrameAdapter::HideWindow() {
  m_window.hide();
}

void WindowFrameAdapter::Minimise() {
  m_window.showMinimized();
}

void WindowFrameAdapter::SetNormalState() {
  m_window.setWindowState(m_window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

void WindowFrameAdapter::BringToFront() {
  RaiseAndActivate(m_window);
}

void WindowFrameAdapter::SetAlwaysOnTop(bool alwaysOnTop) {
  if (m_platform.stayOnTop) SetStaysOnTop(m_window, alwaysOnTop);
}

void WindowFrameAdapter::FocusEditor() {
  m_editor.setFocus();
}

}  // namespace tabulex
