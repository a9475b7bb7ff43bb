#include "window/bounds_tracking.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace tabulex {

static void PrintTo(const WindowBounds& b, std::ostream* out) {
  *out << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}

namespace {

constexpr ScreenRect kScreen{0, 0, 1920, 1080};

CalcSettings Remembered() {
  CalcSettings settings;
  settings.windowLeft = 11;
  settings.windowTop = 22;
  settings.windowWidth = 333;
  settings.windowHeight = 444;
  settings.windowState = 3;
  return settings;
}

TEST(TrackBounds, RecordsOnlyAWindowOnScreenAndKeepsTheBoundsFromBeforeMaximising) {
  using S = ReportedWindowState;
  const WindowBounds unchanged{11, 22, 333, 444};
  const struct {
    const char* name;
    WindowBounds bounds;
    S state;
    WindowBounds recorded;
    std::int32_t windowState;
  } rows[] = {
      {"normal", {100, 120, 800, 600}, S::Normal, {100, 120, 800, 600}, 0},
      {"maximised: the state only", {-4, -4, 1928, 1048}, S::Maximised, unchanged, 3},
      {"tucked at the top edge, negative top",
       {100, -595, 800, 600},
       S::Normal,
       {100, -595, 800, 600},
       0},
      {"tucked at the left edge", {-795, 100, 800, 600}, S::Normal, unchanged, 3},
      {"tucked at the right edge", {1915, 100, 800, 600}, S::Normal, unchanged, 3},
      {"below the screen", {100, 1071, 800, 600}, S::Normal, unchanged, 3},
      {"off screen as Windows parks a minimised one",
       {-32000, -32000, 160, 28},
       S::Minimised,
       unchanged,
       3},
      // On Linux a minimised window keeps its place on the screen.
      {"minimised in place", {100, 120, 800, 600}, S::Minimised, unchanged, 3},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CalcSettings settings = Remembered();
    TrackBounds(kScreen, row.bounds, row.state, settings);
    EXPECT_EQ((WindowBounds{settings.windowLeft, settings.windowTop, settings.windowWidth,
                            settings.windowHeight}),
              row.recorded);
    EXPECT_EQ(settings.windowState, row.windowState);
  }
}

TEST(TrackBounds, MaximiseThenRestoreKeepsTheNormalBounds) {
  CalcSettings settings;
  TrackBounds(kScreen, WindowBounds{200, 150, 700, 500}, ReportedWindowState::Normal, settings);
  TrackBounds(kScreen, WindowBounds{0, 0, 1920, 1040}, ReportedWindowState::Maximised, settings);
  EXPECT_EQ(settings.windowState, 3);
  EXPECT_EQ(settings.windowLeft, 200);
  EXPECT_EQ(settings.windowWidth, 700);
  TrackBounds(kScreen, WindowBounds{200, 150, 700, 500}, ReportedWindowState::Minimised, settings);
  EXPECT_EQ(settings.windowState, 3);
}

// A window manager that reports the maximised geometry before the maximised state.
TEST(TrackBounds, TheTrackerKeepsTheBoundsFromBeforeMaximisingWhateverComesFirst) {
  using S = ReportedWindowState;
  const WindowBounds normal{200, 150, 700, 500};
  const WindowBounds maximised{0, 0, 1920, 1040};
  const struct {
    const char* name;
    std::vector<std::pair<WindowBounds, S>> events;
  } rows[] = {
      {"state first", {{normal, S::Normal}, {maximised, S::Maximised}}},
      {"geometry first", {{normal, S::Normal}, {maximised, S::Normal}, {maximised, S::Maximised}}},
      {"geometry first, twice (move and resize)",
       {{normal, S::Normal},
        {maximised, S::Normal},
        {maximised, S::Normal},
        {maximised, S::Maximised}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CalcSettings settings;
    BoundsTracker tracker;
    for (const auto& [bounds, state] : row.events) tracker.Track(kScreen, bounds, state, settings);
    EXPECT_EQ(settings.windowState, 3);
    EXPECT_EQ((WindowBounds{settings.windowLeft, settings.windowTop, settings.windowWidth,
                            settings.windowHeight}),
              normal);
  }
}

TEST(TrackBounds, StateCodes) {
  EXPECT_EQ(WindowStateCode(ReportedWindowState::Normal), 0);
  EXPECT_EQ(WindowStateCode(ReportedWindowState::Minimised), 2);
  EXPECT_EQ(WindowStateCode(ReportedWindowState::Maximised), 3);
}

TEST(TrackBounds, RecordsAWindowAnywhereOnAPrimaryScreenRightOfAnother) {
  CalcSettings settings = Remembered();
  TrackBounds(ScreenRect{1366, 0, 1920, 1080}, WindowBounds{2600, 100, 800, 600},
              ReportedWindowState::Normal, settings);
  EXPECT_EQ(settings.windowLeft, 2600);
  EXPECT_EQ(settings.windowWidth, 800);
}

}  // namespace
}  // namespace tabulex
