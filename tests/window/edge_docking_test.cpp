#include "window/edge_docking.h"

#include <gtest/gtest.h>

#include <limits>

namespace tabulex {
namespace {

constexpr ScreenRect kScreen{0, 0, 1280, 800};
constexpr std::int32_t kWidth = 400;
constexpr std::int32_t kHeight = 300;

constexpr WindowBounds At(std::int32_t left, std::int32_t top) {
  return WindowBounds{left, top, kWidth, kHeight};
}

// Far from every edge and from the window.
constexpr CursorPosition kAway{1000, 700};

TEST(EdgeDocking, TuckHidesBehindEveryFlushEdgeAndPullBackUndoesIt) {
  const struct {
    const char* name;
    WindowBounds flush;
    WindowBounds tucked;
  } rows[] = {
      {"left", At(0, 150), At(5 - kWidth, 150)},
      {"right", At(1280 - kWidth, 150), At(1275, 150)},
      {"top", At(200, 0), At(200, 5 - kHeight)},
      {"top left corner", At(0, 0), At(5 - kWidth, 5 - kHeight)},
      {"top right corner", At(1280 - kWidth, 0), At(1275, 5 - kHeight)},
      // Flush left and right at once: the left edge is tested first.
      {"as wide as the screen", {0, 150, 1280, 300}, {-1275, 150, 1280, 300}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(IsFlushWithEdge(kScreen, row.flush));
    EXPECT_EQ(Tuck(kScreen, row.flush), row.tucked);
    EXPECT_TRUE(IsTuckedAtEdge(kScreen, row.tucked));
    EXPECT_EQ(PullBackOnScreen(kScreen, row.tucked), row.flush);
  }
}

TEST(EdgeDocking, OnlyExactlyFlushOrTuckedWindowsMove) {
  for (const WindowBounds bounds :
       {At(1, 150), At(-1, 150), At(200, 1), At(200, -1), At(881, 150), At(879, 150),
        At(6 - kWidth, 150), At(1276, 150), At(200, 4 - kHeight), At(-30, 150)}) {
    SCOPED_TRACE(testing::Message() << bounds.left << ", " << bounds.top);
    EXPECT_EQ(Tuck(kScreen, bounds), bounds);
    EXPECT_EQ(PullBackOnScreen(kScreen, bounds), bounds);
  }
}

TEST(EdgeDocking, SnapToEdgeNeedsTheCursorWithinFivePixelsOfThatEdge) {
  const struct {
    const char* name;
    WindowBounds moved;
    CursorPosition cursor;
    WindowBounds snapped;
  } rows[] = {
      {"past the left edge, cursor at 3", At(-30, 150), {3, 160}, At(0, 150)},
      {"past the left edge, cursor at 4", At(-30, 150), {4, 160}, At(0, 150)},
      {"past the left edge, cursor at 10", At(-30, 150), {10, 160}, At(-30, 150)},
      {"past the left edge, cursor at 5", At(-30, 150), {5, 160}, At(-30, 150)},
      {"past the right edge, cursor at W - 4", At(900, 150), {1276, 160}, At(880, 150)},
      {"past the right edge, cursor at W - 5", At(900, 150), {1275, 160}, At(900, 150)},
      {"on a monitor to the right", At(1500, 150), {1600, 160}, At(880, 150)},
      {"above the top, cursor at 4", At(200, -20), {300, 4}, At(200, 0)},
      {"above the top, cursor at 5", At(200, -20), {300, 5}, At(200, -20)},
      {"past a corner", At(-30, -20), {0, 0}, At(0, 0)},
      {"flush left stays", At(0, 150), {0, 160}, At(0, 150)},
      {"cursor at the edge, window on screen", At(200, 150), {0, 0}, At(200, 150)},
      // Past the bottom nothing happens: that edge plays no part.
      {"below the bottom", At(200, 700), {300, 799}, At(200, 700)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(SnapToEdge(kScreen, row.moved, row.cursor), row.snapped);
  }
}

// Runs ticks until the window moves or the count runs out; the window follows every move.
struct Ticker {
  DockGraceTicks grace{};
  EdgeTickInput input{kScreen, {}, ReportedWindowState::Normal, kAway, false};
  EdgeTickResult last{};

  // The number of the tick that moved the window, 0 when none did.
  int TickUntilMoved(int most) {
    for (int tick = 1; tick <= most; ++tick) {
      last = EdgeTick(grace, input);
      if (last.move) {
        input.bounds = last.move->bounds;
        return tick;
      }
    }
    return 0;
  }
};

TEST(EdgeTick, FlushWindowTucksOnTheTwentyFifthTickAndComesBackUnderTheCursor) {
  Ticker ticker;
  ticker.input.bounds = At(0, 150);
  ticker.grace.remaining = 25;
  ASSERT_EQ(ticker.TickUntilMoved(100), 25);
  EXPECT_EQ(*ticker.last.move, (EdgeMove{At(5 - kWidth, 150), true}));
  EXPECT_FALSE(ticker.last.keypadShown);

  // Still tucked while the mouse stays away; the keypad stays hidden.
  EXPECT_EQ(ticker.TickUntilMoved(10), 0);
  EXPECT_FALSE(ticker.last.keypadShown);

  ticker.input.cursor = {0, 200};
  ASSERT_EQ(ticker.TickUntilMoved(1), 1);
  EXPECT_EQ(*ticker.last.move, (EdgeMove{At(0, 150), false}));
  EXPECT_TRUE(ticker.last.keypadShown);

  // The mouse on the window keeps it out, with no grace left.
  EXPECT_EQ(ticker.TickUntilMoved(10), 0);
  EXPECT_TRUE(ticker.last.keypadShown);
}

TEST(EdgeTick, TheStripCountsAsInsideUpToItsOuterEdge) {
  const struct {
    const char* name;
    WindowBounds tucked;
    CursorPosition cursor;
    bool comesBack;
  } rows[] = {
      {"left strip, x = 0", At(5 - kWidth, 150), {0, 200}, true},
      {"left strip, x = 5", At(5 - kWidth, 150), {5, 200}, true},
      {"left strip, x = 6", At(5 - kWidth, 150), {6, 200}, false},
      {"left strip, at the bottom corner", At(5 - kWidth, 150), {0, 450}, true},
      {"left strip, below it", At(5 - kWidth, 150), {0, 451}, false},
      {"right strip, x = W - 5", At(1275, 150), {1275, 200}, true},
      {"right strip, x = W - 6", At(1275, 150), {1274, 200}, false},
      {"top strip, y = 5", At(200, 5 - kHeight), {300, 5}, true},
      {"top strip, y = 6", At(200, 5 - kHeight), {300, 6}, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    DockGraceTicks grace{};
    const EdgeTickResult result =
        EdgeTick(grace, {kScreen, row.tucked, ReportedWindowState::Normal, row.cursor, true});
    ASSERT_EQ(result.move.has_value(), row.comesBack);
    EXPECT_EQ(result.keypadShown, row.comesBack);
    if (row.comesBack) {
      EXPECT_TRUE(result.move->topmost);  // alwaysOnTop
    }
  }
}

TEST(EdgeTick, CornerWindowTucksAtBothEdgesAndComesBackFromBoth) {
  Ticker ticker;
  ticker.input.bounds = At(0, 0);
  ASSERT_EQ(ticker.TickUntilMoved(1), 1);
  EXPECT_EQ(ticker.input.bounds, At(5 - kWidth, 5 - kHeight));
  ticker.input.cursor = {2, 2};
  ASSERT_EQ(ticker.TickUntilMoved(1), 1);
  EXPECT_EQ(ticker.input.bounds, At(0, 0));
}

TEST(EdgeTick, WindowsNotFlushOrNotNormalStayWhereTheyAre) {
  const struct {
    const char* name;
    WindowBounds bounds;
    ReportedWindowState state;
  } rows[] = {
      {"middle of the screen", At(200, 150), ReportedWindowState::Normal},
      {"partly past the left edge", At(-30, 150), ReportedWindowState::Normal},
      {"flush with the bottom", At(200, 500), ReportedWindowState::Normal},
      {"maximised", {0, 0, 1280, 800}, ReportedWindowState::Maximised},
      {"minimised at the left edge", At(0, 150), ReportedWindowState::Minimised},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Ticker ticker;
    ticker.input.bounds = row.bounds;
    ticker.input.state = row.state;
    EXPECT_EQ(ticker.TickUntilMoved(30), 0);
    EXPECT_TRUE(ticker.last.keypadShown);
  }
}

TEST(EdgeTick, GraceCountsDownToZeroAndNoFurther) {
  const struct {
    std::int32_t before;
    std::int32_t after;
  } rows[] = {{30, 29}, {1, 0}, {0, 0}, {-3, -3}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before);
    DockGraceTicks grace{row.before};
    EdgeTick(grace, {kScreen, At(200, 150), ReportedWindowState::Normal, kAway, false});
    EXPECT_EQ(grace.remaining, row.after);
  }
}

TEST(EdgeDocking, ExtremeBoundsNeitherOverflowNorMatchByWrapping) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  // In 32 bits W - Wd would wrap round to -1: flush right.
  const WindowBounds wide{-1, 100, kMin, 300};
  EXPECT_EQ(Tuck({kMax, 800}, wide), wide);
  // Tucked at the right edge of a huge screen: L + Wd passes the 32-bit maximum.
  DockGraceTicks grace{};
  const EdgeTickResult result = EdgeTick(grace, {{kMax - 5, 800},
                                                 {kMax - 10, 100, 20, 300},
                                                 ReportedWindowState::Normal,
                                                 {kMax, 200},
                                                 false});
  ASSERT_TRUE(result.move.has_value());
  EXPECT_EQ(result.move->bounds, (WindowBounds{kMax - 25, 100, 20, 300}));
}

// The primary monitor right of a laptop: its edges are at x = 1366 and x = 3286, not at the
// laptop's; a drag onto the laptop comes back to the primary's left edge, as a drag onto any
// monitor beside the primary does.
TEST(EdgeDocking, TheEdgesAreThePrimaryScreensOwn) {
  constexpr ScreenRect kRightOfLaptop{1366, 0, 1920, 1080};
  const WindowBounds flushLeft = At(1366, 150);
  const WindowBounds flushRight = At(3286 - kWidth, 150);
  EXPECT_TRUE(IsFlushWithEdge(kRightOfLaptop, flushLeft));
  EXPECT_EQ(Tuck(kRightOfLaptop, flushLeft), At(1366 + 5 - kWidth, 150));
  EXPECT_EQ(Tuck(kRightOfLaptop, flushRight), At(3281, 150));
  EXPECT_EQ(PullBackOnScreen(kRightOfLaptop, At(1366 + 5 - kWidth, 150)), flushLeft);
  EXPECT_FALSE(IsFlushWithEdge(kRightOfLaptop, At(0, 150)));  // the laptop's edge

  // Dragged past the primary's left edge with the cursor at it: flush with it.
  EXPECT_EQ(SnapToEdge(kRightOfLaptop, At(1340, 150), CursorPosition{1368, 300}), flushLeft);
  EXPECT_EQ(SnapToEdge(kRightOfLaptop, At(3000, 150), CursorPosition{3284, 300}), flushRight);
  EXPECT_EQ(SnapToEdge(kRightOfLaptop, At(1200, 150), CursorPosition{1360, 300}), flushLeft);
  // Near the primary's left edge but with the cursor 5 pixels into it: no snap.
  EXPECT_EQ(SnapToEdge(kRightOfLaptop, At(1340, 150), CursorPosition{1371, 300}), At(1340, 150));
  // Near x = 1920 - Wd, where a screen at (0, 0) of the same size would have its right edge.
  EXPECT_EQ(SnapToEdge(kRightOfLaptop, At(1600, 150), CursorPosition{1918, 300}), At(1600, 150));

  // A primary below another monitor: its top edge is at y = 900.
  constexpr ScreenRect kBelow{0, 900, 1280, 800};
  EXPECT_EQ(Tuck(kBelow, At(200, 900)), At(200, 905 - kHeight));
  EXPECT_EQ(SnapToEdge(kBelow, At(200, 880), CursorPosition{300, 902}), At(200, 900));
}

}  // namespace
}  // namespace tabulex
