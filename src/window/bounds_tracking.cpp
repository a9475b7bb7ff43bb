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

}  // namespace tabulex
