#include "window/show_hide_action.h"

namespace tabulex {
namespace {

// Enough grace for the mouse to reach the window before edge hiding tucks it away again.
constexpr std::int32_t kGraceTicks = 25;

}  // namespace

void ShowHideAction(ShowHideWindowPort& window, bool alwaysOnTop) {
  if (!window.IsShown()) {
    ShowInFront(window, alwaysOnTop);
    return;
  }
  const ScreenRect screen = window.PrimaryScreen();
  const WindowBounds bounds = window.Bounds();
  if (IsTuckedAtEdge(screen, bounds)) {
    window.PullBackOnScreen();
    window.SetEdgeGraceTicks(kGraceTicks);
  } else if (IsFlushWithEdge(screen, bounds)) {
    window.SetEdgeGraceTicks(0);
    window.Tuck();
    window.SetAlwaysOnTop(true);
  } else {
    window.HideWindow();
  }
}

void ShowInFront(ShowHideWindowPort& window, bool alwaysOnTop) {
  window.ShowWindow();
  window.SetNormalState();
  window.BringToFront();
  window.SetAlwaysOnTop(alwaysOnTop);
  window.FocusEditor();
  window.PullBackOnScreen();
  window.SetEdgeGraceTicks(kGraceTicks);
}

}  // namespace tabulex
