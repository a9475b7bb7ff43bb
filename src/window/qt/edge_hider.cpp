#include "window/qt/edge_hider.h"

#include <QCursor>
#include <QTimer>
#include <QWidget>

#include <utility>

#include "window/qt/window_front.h"
#include "window/qt/window_geometry.h"

namespace tabulex {
namespace {

// Enough for the mouse to reach the window before it is tucked away again.
constexpr std::int32_t kActivationGraceTicks = 25;

CursorPosition Cursor() {
  const QPoint position = QCursor::pos();
  return CursorPosition{position.x(), position.y()};
}

}  // namespace

EdgeHider::EdgeHider(QWidget& window, const CalcSettings& settings, KeypadVisibility showKeypad)
    : QObject(&window),
      m_window{window},
      m_settings{settings},
      m_showKeypad{std::move(showKeypad)},
      m_timer{new QTimer(this)} {
  connect(m_timer, &QTimer::timeout, this, &EdgeHider::Tick);
}

void EdgeHider::SetTimerInterval(std::int32_t milliseconds) {
  if (milliseconds <= 0) {
    m_timer->stop();
    return;
  }
  m_timer->start(milliseconds);
}

void EdgeHider::SetGraceTicks(std::int32_t ticks) {
  m_grace.remaining = ticks;
}

void EdgeHider::OnMoved() {
  // The hider's own moves raise move events too, at once and again when the window system
  // confirms them: they are not the user's drags.
  const WindowBounds bounds = Bounds();
  if (m_ownMove && m_ownMove->left == bounds.left && m_ownMove->top == bounds.top) return;
  m_ownMove.reset();
  if (State() != ReportedWindowState::Normal) return;
  const WindowBounds snapped = SnapToEdge(Screen(), bounds, Cursor());
  if (snapped != bounds) MoveWindow(snapped);
}

void EdgeHider::OnActivated() {
  PullBackOnScreen();
  m_grace.remaining = kActivationGraceTicks;
}

void EdgeHider::PullBackOnScreen() {
  const WindowBounds bounds = Bounds();
  const WindowBounds back = ::tabulex::PullBackOnScreen(Screen(), bounds);
  if (back == bounds) return;
  MoveWindow(back);
  // Topmost was only for the strip; coming out by any way restores the setting.
  SetStaysOnTop(m_window, m_settings.alwaysOnTop);
}

bool EdgeHider::Tuck() {
  if (State() != ReportedWindowState::Normal) return false;
  const WindowBounds bounds = Bounds();
  const WindowBounds tucked = ::tabulex::Tuck(Screen(), bounds);
  if (tucked == bounds) return false;
  MoveWindow(tucked);
  SetStaysOnTop(m_window, true);
  return true;
}

void EdgeHider::Tick() {
  const EdgeTickResult result = EdgeTick(
      m_grace, EdgeTickInput{Screen(), Bounds(), State(), Cursor(), m_settings.alwaysOnTop});
  if (result.move) {
    MoveWindow(result.move->bounds);
    SetStaysOnTop(m_window, result.move->topmost);
  }
  if (m_showKeypad) m_showKeypad(result.keypadShown);
}

WindowBounds EdgeHider::Bounds() const {
  return OuterBounds(m_window);
}

ScreenRect EdgeHider::Screen() const {
  return PrimaryScreenRect();
}

ReportedWindowState EdgeHider::State() const {
  return ReportedState(m_window);
}

void EdgeHider::MoveWindow(WindowBounds bounds) {
  m_ownMove = bounds;
  ApplyOuterBounds(m_window, bounds);
}

}  // namespace tabulex
