#include "window/show_hide_action.h"

#include <gtest/gtest.h>

#include <limits>

#include "window/recording_window.h"

namespace tabulex {
namespace {

TEST(ShowHideAction, TuckedComesBackFlushTucksAtOnceAnythingElseHides) {
  const struct {
    const char* name;
    bool shown;
    WindowBounds bounds;
    const char* calls;
  } rows[] = {
      {"middle of the screen", true, {200, 150, 400, 300}, "hide"},
      {"one pixel from the left edge", true, {1, 150, 400, 300}, "hide"},
      {"one pixel from the top", true, {200, 1, 400, 300}, "hide"},
      {"flush left", true, {0, 150, 400, 300}, "grace 0, tuck, topmost"},
      {"flush right", true, {880, 150, 400, 300}, "grace 0, tuck, topmost"},
      {"flush top", true, {200, 0, 400, 300}, "grace 0, tuck, topmost"},
      {"tucked left", true, {-395, 150, 400, 300}, "pull back, grace 25"},
      {"tucked right", true, {1275, 150, 400, 300}, "pull back, grace 25"},
      {"tucked top", true, {200, -295, 400, 300}, "pull back, grace 25"},
      // Tucking a corner moves it behind both edges one after the other: tucked wins.
      {"flush left, tucked top", true, {0, -295, 400, 300}, "pull back, grace 25"},
      {"tucked left, flush top", true, {-395, 0, 400, 300}, "pull back, grace 25"},
      {"hidden in the middle", false, {200, 150, 400, 300}, kShowInFront},
      {"hidden while tucked", false, {-395, 150, 400, 300}, kShowInFront},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingWindow window(row.shown, row.bounds);
    ShowHideAction(window, window, false);
    EXPECT_EQ(window.calls, row.calls);
  }
}

TEST(ShowHideAction, ShowingSetsTheTopmostStateToAlwaysOnTopAfterBringingItToTheFront) {
  RecordingWindow window(false, {200, 150, 400, 300});
  ShowHideAction(window, window, true);
  EXPECT_EQ(window.calls, "show, normal, front, topmost, focus, pull back, grace 25");
}

TEST(ShowHideAction, EdgeTestsAreExactAndSurviveExtremeBounds) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  // 5 - Wd and W - Wd would overflow in 32 bits.
  EXPECT_FALSE(IsTuckedAtEdge(kScreen, {kMax, 100, kMin, 300}));
  EXPECT_FALSE(IsFlushWithEdge(kScreen, {kMax, 100, kMin, 300}));
  EXPECT_TRUE(IsTuckedAtEdge(kScreen, {kMin + 6, 100, kMax, 300}));
  // W - Wd wraps round to -1 in 32 bits.
  EXPECT_FALSE(IsFlushWithEdge({kMax, 800}, {-1, 100, kMin, 300}));
}

}  // namespace
}  // namespace tabulex
