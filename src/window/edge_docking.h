// Edge docking of the main window: a window dragged past the left, right or top edge of the
// primary screen snaps flush with it, a flush window tucks away behind its edge leaving a strip
// of 5 pixels, and it comes back out when the mouse touches that strip. Rules over plain values
// (the bottom edge plays no part); the window, its 100 ms timer and the cursor are the Qt
// layer's (qt/edge_hider.h). Every edge test is an exact integer comparison.
#pragma once

#include <cstdint>
#include <optional>

#include "base/placement_check.h"
#include "window/bounds_tracking.h"

namespace tabulex {

// The mouse cursor in screen pixels.
struct CursorPosition {
  std::int32_t x{0};
  std::int32_t y{0};
};

// Tucked behind the left, right or top edge, leaving a 5-pixel strip: L = 5 - Wd, L = W - 5
// or T = 5 - Ht.
bool IsTuckedAtEdge(ScreenRect screen, WindowBounds bounds);
// Flush with the left, right or top edge: L = 0, L = W - Wd or T = 0.
bool IsFlushWithEdge(ScreenRect screen, WindowBounds bounds);

// After every move of the window: past the left edge with the cursor's x below 5 it goes flush
// left, past the right edge with the cursor's x beyond W - 5 flush right, above the top with
// the cursor's y below 5 flush top. Each test sees the result of the one before. Only
// the primary screen counts: a window dragged onto a monitor beside it, the cursor beyond that
// edge, comes back flush with the edge.
WindowBounds SnapToEdge(ScreenRect screen, WindowBounds bounds, CursorPosition cursor);

// Flush left, right, top: behind that edge, in this order, each test seeing the result of the
// one before (a window in a corner tucks behind both edges).
WindowBounds Tuck(ScreenRect screen, WindowBounds bounds);
// The reverse of Tuck: a window tucked behind an edge comes back flush with it.
WindowBounds PullBackOnScreen(ScreenRect screen, WindowBounds bounds);

// The edge-timer ticks left during which a window is not tucked away although the mouse is
// outside it. Reset to 25 whenever the window comes to the front.
struct DockGraceTicks {
  std::int32_t remaining{0};
};

struct EdgeTickInput {
  ScreenRect screen{};
  WindowBounds bounds{};
  // Only a window in its normal state tucks: a maximised window on Linux is flush with the
  // screen's edges, and moving it would undo the maximising.
  ReportedWindowState state{ReportedWindowState::Normal};
  CursorPosition cursor{};
  bool alwaysOnTop{false};
};

// A move of the window, then the topmost state it takes.
struct EdgeMove {
  WindowBounds bounds{};
  bool topmost{false};

  friend bool operator==(const EdgeMove&, const EdgeMove&) = default;
};

struct EdgeTickResult {
  std::optional<EdgeMove> move;
  // The keypad window, when it is open, is hidden while the main window is tucked.
  bool keypadShown{true};
};

// One tick of the edge timer. The grace countdown goes down by one. With the mouse inside the
// window (its edges included) a tucked window comes back and takes the topmost state
// alwaysOnTop; with the mouse outside and no grace left a flush window tucks and becomes
// topmost, so that its strip stays above other windows.
EdgeTickResult EdgeTick(DockGraceTicks& grace, const EdgeTickInput& input);

}  // namespace tabulex
