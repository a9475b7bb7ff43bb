#include "window/edge_docking.h"

namespace tabulex {
namespace {

// The strip of a tucked window that stays on screen, and the cursor's reach at an edge.
constexpr std::int64_t kStrip = 5;

// Seen from the screen's corner, in 64 bits: 5 - Wd, W - Wd and L + Wd overflow 32 bits for
// bounds from a hand-edited file.
struct Edges {
  std::int64_t screenWidth;
  std::int64_t left;
  std::int64_t top;
  std::int64_t width;
  std::int64_t height;
};

Edges EdgesOf(ScreenRect screen, WindowBounds bounds) {
  const ScreenRelative r = RelativeTo(screen, bounds);
  return Edges{screen.width, r.left, r.top, r.width, r.height};
}

bool IsInside(WindowBounds bounds, CursorPosition cursor) {
  const Edges e = EdgesOf(ScreenRect{}, bounds);
  return cursor.x >= e.left && cursor.x <= e.left + e.width && cursor.y >= e.top &&
         cursor.y <= e.top + e.height;
}

}  // namespace

bool IsTuckedAtEdge(ScreenRect screen, WindowBounds bounds) {
  const Edges e = EdgesOf(screen, bounds);
  return e.left == kStrip - e.width || e.left == e.screenWidth - kStrip ||
         e.top == kStrip - e.height;
}

bool IsFlushWithEdge(ScreenRect screen, WindowBounds bounds) {
  const Edges e = EdgesOf(screen, bounds);
  return e.left == 0 || e.left == e.screenWidth - e.width || e.top == 0;
}

WindowBounds SnapToEdge(ScreenRect screen, WindowBounds bounds, CursorPosition cursor) {
  const Edges e = EdgesOf(screen, bounds);
  const std::int64_t cursorX = std::int64_t{cursor.x} - screen.left;
  const std::int64_t cursorY = std::int64_t{cursor.y} - screen.top;
  std::int64_t left = e.left;
  std::int64_t top = e.top;
  if (left < 0 && cursorX < kStrip) left = 0;
  if (left > e.screenWidth - e.width && cursorX > e.screenWidth - kStrip) {
    left = e.screenWidth - e.width;
  }
  if (top < 0 && cursorY < kStrip) top = 0;
  return WithRelativeCorner(screen, bounds, left, top);
}

WindowBounds Tuck(ScreenRect screen, WindowBounds bounds) {
  const Edges e = EdgesOf(screen, bounds);
  std::int64_t left = e.left;
  std::int64_t top = e.top;
  if (left == 0) left = kStrip - e.width;
  if (left == e.screenWidth - e.width) left = e.screenWidth - kStrip;
  if (top == 0) top = kStrip - e.height;
  return WithRelativeCorner(screen, bounds, left, top);
}

WindowBounds PullBackOnScreen(ScreenRect screen, WindowBounds bounds) {
  const Edges e = EdgesOf(screen, bounds);
  std::int64_t left = e.left;
  std::int64_t top = e.top;
  if (left == kStrip - e.width) left = 0;
  if (left == e.screenWidth - kStrip) left = e.screenWidth - e.width;
  if (top == kStrip - e.height) top = 0;
  return WithRelativeCorner(screen, bounds, left, top);
}

EdgeTickResult EdgeTick(DockGraceTicks& grace, const EdgeTickInput& input) {
  if (grace.remaining > 0) --grace.remaining;
  EdgeTickResult result;
  WindowBounds bounds = input.bounds;
  if (IsInside(bounds, input.cursor)) {
    const WindowBounds back = PullBackOnScreen(input.screen, bounds);
    if (back != bounds) result.move = EdgeMove{back, input.alwaysOnTop};
  } else if (grace.remaining == 0 && input.state == ReportedWindowState::Normal) {
    const WindowBounds tucked = Tuck(input.screen, bounds);
    if (tucked != bounds) result.move = EdgeMove{tucked, true};
  }
  if (result.move) bounds = result.move->bounds;
  result.keypadShown = !IsTuckedAtEdge(input.screen, bounds);
  return result;
}

}  // namespace tabulex
