#include "window/show_hide_action.h"

namespace tabulex {
namespace {

// Enough grace for the mouse to reach the window before edge hiding tucks it away again.
constexpr std::int32_t kGraceTicks = 25;

}  // namespace

void ShowHideAction(WindowFramePort& window, EdgePort& edge, bool alwaysOnTop) {
  if (!window.IsShown()) {
    ShowInFront(window, edge, alwaysOnTop);
    return;
  }
  const ScreenRect screen = window.PrimaryScreen();
  const WindowBounds bounds = window.Bounds();
  if (IsTuckedAtEdge(screen, bounds)) {
    edge.PullBackOnScreen();
    edge.SetEdgeGraceTicks(kGraceTicks);
  } else if (IsFlushWithEdge(screen, bounds)) {
    edge.SetEdgeGraceTicks(0);
    edge.Tuck();
    window.SetAlwaysOnTop(true);
  } else {
    window.HideWindow();
  }
}

void ShowInFront(WindowFramePort& window, EdgePort& edge, bool alwaysOnTop) {
  window.ShowWindow();
  window.SetNormalState();
  window.BringToFront();
  window.SetAlwaysOnTop(alwaysOnTop);
  window.FocusEditor();
  edge.PullBackOnScreen();
  edge.SetEdgeGraceTicks(kGraceTicks);
}

}  // namespace tabulex
