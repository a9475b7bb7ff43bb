// The start-up placement check: stored bounds that would put the main window off screen, or
// make it too small to use, are replaced by half the screen, centred. It runs once, on the
// bounds start-up has just applied; the window position dialog checks its own input.
#pragma once

#include <cstdint>

namespace tabulex {

// The primary screen's rectangle in screen pixels. Its corner need not be (0, 0): with a
// monitor left of the primary one the primary starts further right. Every rule about "the
// screen" (its edges, its width W and height H) is taken in this rectangle.
struct ScreenRect {
  std::int32_t left{0};
  std::int32_t top{0};
  std::int32_t width{0};
  std::int32_t height{0};
};

// A window's outer bounds in screen pixels.
struct WindowBounds {
  std::int32_t left{0};
  std::int32_t top{0};
  std::int32_t width{0};
  std::int32_t height{0};

  friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

// A window's corner seen from the screen's corner, in 64 bits (bounds come from a
// hand-editable file): the rules below are stated for a screen starting at (0, 0).
struct ScreenRelative {
  std::int64_t left{0};
  std::int64_t top{0};
  std::int64_t width{0};
  std::int64_t height{0};
};
ScreenRelative RelativeTo(ScreenRect screen, WindowBounds bounds);
// The screen-relative corner (left, top) back in screen pixels, kept within int32.
WindowBounds WithRelativeCorner(ScreenRect screen, WindowBounds bounds, std::int64_t left,
                                std::int64_t top);

// False when the left edge lies within 10 pixels of the screen's right edge or beyond, the
// right edge within 10 pixels of the screen's left edge or beyond, or the top within 10
// pixels of the screen's bottom or beyond. Any int32 values, without overflow.
bool IsOnScreen(ScreenRect screen, WindowBounds bounds);

// Half the screen, centred: height H / 2, width W / 2, left W / 4, top H / 4 (truncated),
// from the screen's corner.
WindowBounds CentredHalfScreen(ScreenRect screen);

struct PlacementCheckResult {
  // True when the bounds were replaced: the window is then shown in its normal state (not
  // maximised, whatever 窗口状态 says) at the new bounds.
  bool reset{false};
  WindowBounds bounds{};
};

// Off screen, or top + width < 355 (the top from the screen's top; the width, not the
// height: that is the rule), or height < 80 give CentredHalfScreen; anything else keeps the bounds.
// A first run has all bounds 0 and so comes up centred.
PlacementCheckResult CheckPlacement(ScreenRect screen, WindowBounds bounds);

}  // namespace tabulex
