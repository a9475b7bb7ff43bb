#include "window/edge_docking.h"

namespace tabulex {
namespace {

// The strip of a tucked window that stays on screen, and the cursor's reach at an edge.
constexpr std::int64_t kStrip = 5;

// In 64 bits: 5 - Wd, W - Wd and L + Wd overflow 32 bits for bounds from a hand-edited file.
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

WindowBounds WithCorner(WindowBounds bounds, std::int64_t left, std::int64_t top) {
  bounds.left = static_cast<std::int32_t>(left);
  bounds.top = static_cast<std::int32_t>(top);
  return bounds;
}

bool IsInside(WindowBounds bounds, CursorPosition cursor) {
  const Edges e = EdgesOf(ScreenSize{}, bounds);
  return cursor.x >= e.left && cursor.x <= e.left + e.width && cursor.y >= e.top &&
         cursor.y <= e.top + e.height;
}

}  // namespace

bool IsTuckedAtEdge(ScreenSize screen, WindowBounds bounds) {
  const Edges e = EdgesOf(screen, bounds);
  return e.left == kStrip - e.width || e.left == e.screenWidth - kStrip ||
         e.top == kStrip - e.height;
}

bool IsFlushWithEdge(ScreenSize screen, WindowBounds bounds) {
  const Edges e = EdgesOf(screen, bounds);
  return e.left == 0 || e.left == e.screenWidth - e.width || e.top == 0;
}

WindowBounds SnapToEdge(ScreenSize screen, WindowBounds bounds, CursorPosition cursor) {
  const Edges e = EdgesOf(screen, bounds);
  std::int64_t left = e.left;
  std::int64_t top = e.top;
  if (left < 0 && cursor.x < kStrip) left = 0;
  if (left > e.screenWidth - e.width && cursor.x > e.screenWidth - kStrip) {
    left = e.screenWidth - e.width;
  }
  if (top < 0 && cursor.y < kStrip) top = 0;
  return WithCorner(bounds, left, top);
}

WindowBounds Tuck(ScreenSize screen, WindowBounds bounds) {
  const Edges e = EdgesOf(screen, bounds);
  std::int64_t left = e.left;
  std::int64_t top = e.top;
  if (left == 0) left = kStrip - e.width;
  if (left == e.screenWidth - e.width) left = e.screenWidth - kStrip;
  if (top == 0) top = kStrip - e.height;
  return WithCorner(bounds, left, top);
}

WindowBounds PullBackOnScreen(ScreenSize screen, WindowBounds bounds) {
  const Edges e = EdgesOf(screen, bounds);
  std::int64_t left = e.left;
  std::int64_t top = e.top;
  if (left == kStrip - e.width) left = 0;
  if (left == e.screenWidth - kStrip) left = e.screenWidth - e.width;
  if (top == kStrip - e.height) top = 0;
  return WithCorner(bounds, left, top);
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
