#include "settings/window_position.h"

#include <gtest/gtest.h>

#include "engine/gbk_text.h"
#include "support/recording_store.h"

namespace tabulex {
namespace {

TEST(WindowPosition, OpensWithTheTextsStoredInTheFile) {
  EventLog log;
  RecordingStore store(log, "[启动窗口位置]\n_启动窗口.左边=100px\n_启动窗口.高度=-7\n");
  const WindowPositionTexts texts = ReadWindowPosition(store);
  EXPECT_EQ(texts.left, "100px");
  EXPECT_EQ(texts.top, "0");
  EXPECT_EQ(texts.width, "0");
  EXPECT_EQ(texts.height, "-7");
}

TEST(WindowPosition, OkIsAllowedOnlyForBoundsOnScreen) {
  constexpr ScreenRect kScreen{0, 0, 1920, 1080};
  const struct {
    const char* name;
    WindowPositionTexts texts;
    bool acceptable;
  } rows[] = {
      {"100, 100, 600 x 400", {"100", "100", "600", "400"}, true},
      {"left at W - 10", {"1910", "0", "600", "400"}, true},
      {"left beyond W - 10", {"1911", "0", "600", "400"}, false},
      {"right edge at 10", {"-590", "0", "600", "400"}, true},
      {"right edge below 10", {"-591", "0", "600", "400"}, false},
      {"top at H - 10", {"0", "1070", "600", "400"}, true},
      {"top beyond H - 10", {"0", "1071", "600", "400"}, false},
      // The rule adds the width to the top, not the height.
      {"top + width 50", {"0", "-550", "600", "50"}, true},
      {"top + width 49", {"0", "-551", "600", "400"}, false},
      {"height 50", {"0", "0", "600", "50"}, true},
      {"height 49.9", {"0", "0", "600", "49.9"}, false},
      {"texts read with atof rules", {" 100px", "1e2", "6e2", "400.5"}, true},
      {"all zero (nothing stored)", {"0", "0", "0", "0"}, false},
      {"width at the int32 maximum", {"1000", "0", "2147483647", "400"}, true},
      {"not a number", {"100", "100", "600", "nan"}, false},
      {"infinite", {"100", "100", "inf", "400"}, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(IsWindowPositionAcceptable(row.texts, kScreen), row.acceptable);
  }
}

TEST(WindowPosition, TheScreenIsThePrimarysOwnRectangle) {
  constexpr ScreenRect kRightOfLaptop{1366, 0, 1920, 1080};
  EXPECT_TRUE(IsWindowPositionAcceptable({"2600", "100", "600", "400"}, kRightOfLaptop));
  EXPECT_FALSE(IsWindowPositionAcceptable({"3280", "100", "600", "400"}, kRightOfLaptop));
  EXPECT_FALSE(IsWindowPositionAcceptable({"100", "100", "600", "400"}, kRightOfLaptop));
}

}  // namespace
}  // namespace tabulex
