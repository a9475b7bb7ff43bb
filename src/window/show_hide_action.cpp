#include "window/show_hide_action.h"

namespace tabulex {
namespace {

// Enough grace for the mouse to reach the window before edge hiding tucks it away again.
constexpr std::int32_t kGraceTicks = 25;

// In 64 bits: bounds from a hand-edited file can be anything.
struct Edges {
  std::int64_t screenWidth;
  std::int64_t left;
  std::int64_t top;
  std::int64_t width;
  std::int64_t height;
};

Edges EdgesOf(ScreenSize screen, WindowBounds bounds) {
  return Edges{screen.width, bounds.left, bounds.top, bounds.width, bounds.height};
}

}  // namespace

bool IsTuckedAtEdge(ScreenSize screen, WindowBounds bounds) {
  const Edges e = EdgesOf(screen, bounds);
  return e.left == 5 - e.width || e.left == e.screenWidth - 5 || e.top == 5 - e.height;
}

bool IsFlushWithEdge(ScreenSize screen, WindowBounds bounds) {
  const Edges e = EdgesOf(screen, bounds);
  return e.left == 0 || e.left == e.screenWidth - e.width || e.top == 0;
}

void ShowHideAction(ShowHideWindowPort& window, bool alwaysOnTop) {
  if (!window.IsShown()) {
    ShowInFront(window, alwaysOnTop);
    return;
  }
  const ScreenSize screen = window.PrimaryScreenSize();
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
