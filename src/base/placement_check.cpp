#include "base/placement_check.h"

#include <algorithm>
#include <limits>

namespace tabulex {
namespace {

std::int32_t ClampedToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

ScreenRelative RelativeTo(ScreenRect screen, WindowBounds bounds) {
  return ScreenRelative{std::int64_t{bounds.left} - screen.left,
                        std::int64_t{bounds.top} - screen.top, bounds.width, bounds.height};
}

WindowBounds WithRelativeCorner(ScreenRect screen, WindowBounds bounds, std::int64_t left,
                                std::int64_t top) {
  bounds.left = ClampedToInt32(left + screen.left);
  bounds.top = ClampedToInt32(top + screen.top);
  return bounds;
}

bool IsOnScreen(ScreenRect screen, WindowBounds bounds) {
  const ScreenRelative r = RelativeTo(screen, bounds);
  return !(r.left + 10 > screen.width || r.left + r.width < 10 || r.top + 10 > screen.height);
}

WindowBounds CentredHalfScreen(ScreenRect screen) {
  WindowBounds bounds;
  bounds.height = screen.height / 2;
  bounds.width = screen.width / 2;
  return WithRelativeCorner(screen, bounds, screen.width / 4, screen.height / 4);
}

PlacementCheckResult CheckPlacement(ScreenRect screen, WindowBounds bounds) {
  const ScreenRelative r = RelativeTo(screen, bounds);
  const bool reset = !IsOnScreen(screen, bounds) || r.top + r.width < 355 || r.height < 80;
  if (!reset) return PlacementCheckResult{false, bounds};
  return PlacementCheckResult{true, CentredHalfScreen(screen)};
}

}  // namespace tabulex
