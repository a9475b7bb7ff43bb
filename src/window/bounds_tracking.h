// TrackBounds: keeps the remembered bounds and state of the main window (written at shutdown)
// up to date while the user moves and resizes it. Only a window that is on screen is
// recorded, so a minimised window or one tucked behind the left or right screen edge never
// overwrites the bounds to come back to.
#pragma once

#include "base/calc_settings.h"
#include "base/placement_check.h"

namespace tabulex {

// The main window's state as the window system reports it.
enum class ReportedWindowState { Normal, Minimised, Maximised };

// 窗口状态 for a state: 3 maximised, 2 minimised, 0 otherwise (a centred window is normal).
std::int32_t WindowStateCode(ReportedWindowState state);

// The last step of the main window's move and resize events, with its outer bounds. When the
// window is on screen: the bounds go to windowLeft, windowWidth, windowTop, windowHeight
// unless it is maximised (so the bounds from before maximising are kept), and its state goes
// to windowState. A minimised window counts as off screen: on Linux it keeps its geometry
// while iconified, and recording it would replace a remembered maximised state with 2.
void TrackBounds(ScreenRect screen, WindowBounds bounds, ReportedWindowState state,
                 CalcSettings& settings);

// TrackBounds for the main window, called on its moves, resizes and state changes. Some
// window managers report the maximised geometry before the maximised state: the bounds then
// recorded as normal are taken back when the state follows, so that the bounds from before
// maximising are kept.
class BoundsTracker {
 public:
  void Track(ScreenRect screen, WindowBounds bounds, ReportedWindowState state,
             CalcSettings& settings);

 private:
  WindowBounds m_before{};  // what the last change of the recorded bounds replaced
  bool m_hasBefore{false};
};

}  // namespace tabulex
