#include "window/placement_check.h"

namespace tabulex {
namespace {

// Bounds come from a hand-editable file: sums are taken in 64 bits.
using Wide = std::int64_t;

}  // namespace

bool IsOnScreen(ScreenSize screen, WindowBounds bounds) {
  return !(Wide{bounds.left} + 10 > screen.width || Wide{bounds.left} + bounds.width < 10 ||
           Wide{bounds.top} + 10 > screen.height);
}

WindowBounds CentredHalfScreen(ScreenSize screen) {
  WindowBounds bounds;
  bounds.height = screen.height / 2;
  bounds.width = screen.width / 2;
  bounds.left = screen.width / 4;
  bounds.top = screen.height / 4;
  return bounds;
}

PlacementCheckResult CheckPlacement(ScreenSize screen, WindowBounds bounds) {
  const bool reset =
      !IsOnScreen(screen, bounds) || Wide{bounds.top} + bounds.width < 355 || bounds.height < 80;
  if (!reset) return PlacementCheckResult{false, bounds};
  return PlacementCheckResult{true, CentredHalfScreen(screen)};
}

}  // namespace tabulex
