#include "base/placement_check.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <limits>

namespace tabulex {

static void PrintTo(const WindowBounds& b, std::ostream* out) {
  *out << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}

namespace {

constexpr ScreenRect kScreen{0, 0, 1920, 1080};
constexpr WindowBounds kCentred{480, 270, 960, 540};

TEST(PlacementCheck, BoundsOffScreenOrTooSmallAreReplacedByTheCentredHalfScreen) {
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  const struct {
    const char* name;
    WindowBounds bounds;
    bool reset;
  } rows[] = {
      {"first run: every bound 0", {0, 0, 0, 0}, true},
      {"ordinary bounds", {100, 100, 800, 600}, false},
      {"left 10 short of the right edge", {1910, 100, 800, 600}, false},
      {"left 9 short of the right edge", {1911, 100, 800, 600}, true},
      {"right edge 10 into the screen", {-790, 100, 800, 600}, false},
      {"right edge 9 into the screen", {-791, 100, 800, 600}, true},
      {"top 10 above the bottom", {100, 1070, 800, 600}, false},
      {"top 9 above the bottom", {100, 1071, 800, 600}, true},
      {"top 0 width 300, although on screen", {100, 0, 300, 600}, true},
      {"top 0 width 355", {100, 0, 355, 600}, false},
      {"top plus width 354", {100, 54, 300, 600}, true},
      {"negative top, wide enough", {100, -45, 400, 600}, false},
      {"height 79", {100, 100, 800, 79}, true},
      {"height 80", {100, 100, 800, 80}, false},
      {"hand-edited maximum left", {kMax, 100, kMax, 600}, true},
      {"hand-edited minimum left and width", {kMin, 100, kMin, 600}, true},
      {"hand-edited maximum top and width", {100, kMax, kMax, 600}, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const PlacementCheckResult result = CheckPlacement(kScreen, row.bounds);
    EXPECT_EQ(result.reset, row.reset);
    EXPECT_EQ(result.bounds, row.reset ? kCentred : row.bounds);
  }
}

TEST(PlacementCheck, TheResetTruncatesHalfAndQuarterOfOddScreens) {
  EXPECT_EQ(CentredHalfScreen(ScreenRect{0, 0, 1366, 767}), (WindowBounds{341, 191, 683, 383}));
  EXPECT_EQ(CentredHalfScreen(ScreenRect{0, 0, 1023, 3}), (WindowBounds{255, 0, 511, 1}));
}

TEST(PlacementCheck, OnScreenTestLeavesTheBottomEdgeOut) {
  // Only the top is compared with the screen's height: a window hanging below stays.
  EXPECT_TRUE(IsOnScreen(kScreen, WindowBounds{100, 1000, 800, 5000}));
  EXPECT_FALSE(IsOnScreen(kScreen, WindowBounds{100, 1071, 800, 100}));
}

// A laptop at (0, 0) and the primary monitor right of it: the rules take the primary's own
// rectangle, so bounds on it are kept and the reset centres the window on it.
TEST(PlacementCheck, WorksInThePrimaryScreensOwnRectangle) {
  constexpr ScreenRect kRightOfLaptop{1366, 0, 1920, 1080};
  const struct {
    const char* name;
    WindowBounds bounds;
    bool reset;
  } rows[] = {
      {"on the primary, beyond the first 1920 pixels", {2600, 100, 800, 600}, false},
      {"on the laptop left of it", {100, 100, 800, 600}, true},
      {"10 pixels into the primary's left edge", {576, 100, 800, 600}, false},
      {"top plus width 354 from the primary's top", {2000, 54, 300, 600}, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const PlacementCheckResult result = CheckPlacement(kRightOfLaptop, row.bounds);
    EXPECT_EQ(result.reset, row.reset);
    EXPECT_EQ(result.bounds, (row.reset ? WindowBounds{1846, 270, 960, 540} : row.bounds));
  }
  // A primary below another one: its top is not 0 either.
  EXPECT_EQ(CentredHalfScreen(ScreenRect{0, 900, 1600, 900}), (WindowBounds{400, 1125, 800, 450}));
}

}  // namespace
}  // namespace tabulex
