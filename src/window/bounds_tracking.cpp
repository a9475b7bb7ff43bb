#include "window/bounds_tracking.h"

namespace tabulex {

std::int32_t WindowStateCode(ReportedWindowState state) {
  switch (state) {
    case ReportedWindowState::Maximised:
      return 3;
    case ReportedWindowState::Minimised:
      return 2;
    case ReportedWindowState::Normal:
      return 0;
  }
  return 0;
}

void TrackBounds(ScreenRect screen, WindowBounds bounds, ReportedWindowState state,
                 CalcSettings& settings) {
  if (state == ReportedWindowState::Minimised || !IsOnScreen(screen, bounds)) return;
  if (state != ReportedWindowState::Maximised) {
    settings.windowLeft = bounds.left;
    settings.windowWidth = bounds.width;
    settings.windowTop = bounds.top;
    settings.windowHeight = bounds.height;
  }
  settings.windowState = WindowStateCode(state);
}

namespace {

WindowBounds Recorded(const CalcSettings& settings) {
  return WindowBounds{settings.windowLeft, settings.windowTop, settings.windowWidth,
                      settings.windowHeight};
}

}  // namespace

void BoundsTracker::Track(ScreenRect screen, WindowBounds bounds, ReportedWindowState state,
                          CalcSettings& settings) {
  const WindowBounds recorded = Recorded(settings);
  if (state == ReportedWindowState::Maximised && m_hasBefore && recorded == bounds) {
    // The maximised geometry came first and was taken for the normal one.
    settings.windowLeft = m_before.left;
    settings.windowTop = m_before.top;
    settings.windowWidth = m_before.width;
    settings.windowHeight = m_before.height;
  }
  TrackBounds(screen, bounds, state, settings);
  if (Recorded(settings) != recorded) {
    m_before = recorded;
    m_hasBefore = true;
  }
}

}  // namespace tabulex
