#include "tools/keypad_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include <set>
#include <utility>

namespace tabulex {
namespace {

using K = KeypadKey;

TEST(KeypadLayoutTest, GridHoldsEachKeyOnceInItsOwnCells) {
  std::set<std::pair<int, int>> cells;
  for (int i = 0; i < kKeypadKeyCount; ++i) {
    const KeypadKeyDefinition& definition = KeypadKeys()[static_cast<std::size_t>(i)];
    EXPECT_EQ(static_cast<int>(definition.key), i) << definition.caption;
    EXPECT_TRUE(cells.emplace(definition.column, definition.row).second) << definition.caption;
  }
  int secondFunctions = 0;
  for (const KeypadKeyDefinition& definition : KeypadKeys())
    secondFunctions += !definition.secondCaption.empty();
  EXPECT_EQ(secondFunctions, 13);
}

TEST(KeypadLayoutTest, DesignRectsFollowTheGrid) {
  struct Case {
    KeypadKey key;
    KeypadRect rect;
  };
  constexpr Case kCases[] = {
      {K::Second, {9, 5, 72, 33}},    {K::Undo, {460, 5, 72, 33}},
      {K::Back, {460, 41, 72, 33}},   {K::Brackets, {234, 77, 72, 33}},
      {K::Plus, {460, 113, 72, 70}},  {K::Pi, {159, 149, 72, 33}},
      {K::Int, {9, 185, 72, 33}},     {K::Equals, {460, 185, 72, 70}},
      {K::Zero, {234, 223, 147, 33}}, {K::Point, {384, 223, 72, 33}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(KeypadKeyDefinitionOf(c.key).caption);
    EXPECT_EQ(KeypadDesignRect(c.key), c.rect);
    EXPECT_EQ(KeypadKeyRect(c.key, KeypadMode::Scientific, 540, 265), c.rect);
  }
}

TEST(KeypadLayoutTest, DoubleSizeDoublesEveryButton) {
  for (const KeypadKeyDefinition& definition : KeypadKeys()) {
    SCOPED_TRACE(definition.caption);
    const KeypadRect design = KeypadDesignRect(definition.key);
    EXPECT_EQ(KeypadKeyRect(definition.key, KeypadMode::Scientific, 1080, 530),
              (KeypadRect{2 * design.left, 2 * design.top, 2 * design.width, 2 * design.height}));
  }
}

TEST(KeypadLayoutTest, ScalingTruncates) {
  // 460 * 600 / 540 = 511.1, 72 * 600 / 540 = 80.0, 185 * 300 / 265 = 209.4, 70 * 300 / 265
  // = 79.2.
  EXPECT_EQ(KeypadKeyRect(K::Equals, KeypadMode::Scientific, 600, 300),
            (KeypadRect{511, 209, 80, 79}));
}

TEST(KeypadLayoutTest, CompactLayoutShowsTheFourRightColumns) {
  struct Case {
    KeypadKey key;
    KeypadRect rect;
  };
  // At the compact design width 312 the right columns keep their design sizes; the left
  // ones lie beyond the left edge.
  constexpr Case kCases[] = {
      {K::LayoutToggle, {6, 5, 72, 33}}, {K::ClearAll, {81, 5, 72, 33}},
      {K::NewLine, {156, 5, 72, 33}},    {K::Undo, {232, 5, 72, 33}},
      {K::Zero, {6, 223, 147, 33}},      {K::Equals, {232, 185, 72, 70}},
      {K::Second, {-225, 5, 41, 33}},    {K::Factorial, {-182, 5, 41, 33}},
      {K::Tanh, {-139, 113, 41, 33}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(KeypadKeyDefinitionOf(c.key).caption);
    EXPECT_EQ(KeypadKeyRect(c.key, KeypadMode::Compact, 312, 265), c.rect);
  }
  for (const KeypadKeyDefinition& definition : KeypadKeys()) {
    SCOPED_TRACE(definition.caption);
    const KeypadRect rect = KeypadKeyRect(definition.key, KeypadMode::Compact, 312, 265);
    EXPECT_EQ(rect.left + rect.width <= 0, definition.column <= 3);
    EXPECT_LE(rect.left + rect.width, 312);
  }
}

TEST(KeypadLayoutTest, LayOutKeypadMatchesTheKeysAndSurvivesHugeSizes) {
  const auto rects = LayOutKeypad(KeypadMode::Compact, 700, 400);
  for (const KeypadKeyDefinition& definition : KeypadKeys()) {
    EXPECT_EQ(rects[static_cast<std::size_t>(definition.key)],
              KeypadKeyRect(definition.key, KeypadMode::Compact, 700, 400));
  }
  // 2^24 wide: the products pass the 32-bit range.
  EXPECT_EQ(KeypadKeyRect(K::Undo, KeypadMode::Scientific, 16777216, 265).left,
            static_cast<int>(460LL * 16777216 / 540));
}

TEST(KeypadLayoutTest, ReachableGeometryKeepsWhatCanBeSeen) {
  const std::vector<KeypadRect> desktop{{0, 0, 1920, 1080}};
  struct Case {
    const char* name;
    KeypadSettings stored;
    KeypadSettings opened;
  };
  const Case kCases[] = {
      {"defaults", {}, {}},
      {"stored", {600, 300, 100, 50, false}, {600, 300, 100, 50, false}},
      {"partly off the left", {540, 265, -500, 0, true}, {540, 265, -500, 0, true}},
      {"zero width", {0, 300, 100, 50, true}, {540, 265, 100, 50, true}},
      {"negative height", {600, -3, 100, 50, true}, {540, 265, 100, 50, true}},
      {"right of the desktop", {540, 265, 1915, 10, true}, {540, 265, 265, 265, true}},
      {"above the desktop", {540, 265, 10, -260, true}, {540, 265, 265, 265, true}},
      {"far away", {540, 265, 2147483000, 2147483000, false}, {540, 265, 265, 265, false}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const KeypadSettings opened = ReachableKeypadGeometry(c.stored, desktop);
    EXPECT_EQ(opened.width, c.opened.width);
    EXPECT_EQ(opened.height, c.opened.height);
    EXPECT_EQ(opened.left, c.opened.left);
    EXPECT_EQ(opened.top, c.opened.top);
    EXPECT_EQ(opened.scientific, c.opened.scientific);
  }
  // A second screen left of the first.
  const std::vector<KeypadRect> sideBySide{{-1920, 0, 1920, 1080}, {0, 0, 1920, 1080}};
  EXPECT_EQ(ReachableKeypadGeometry({540, 265, -1000, 100, true}, sideBySide).left, -1000);
  // A tall screen beside a low one: the corner below the low one is on neither.
  const std::vector<KeypadRect> tallAndLow{{0, 0, 1080, 1920}, {1080, 0, 1920, 1080}};
  const KeypadSettings inTheCorner{540, 265, 2000, 1500, true};
  EXPECT_EQ(ReachableKeypadGeometry(inTheCorner, tallAndLow).left, 265);
  EXPECT_EQ(ReachableKeypadGeometry({540, 265, 500, 1500, true}, tallAndLow).top, 1500);
  // No screen at all: the default position.
  EXPECT_EQ(ReachableKeypadGeometry({540, 265, 500, 500, true}, {}).left, 265);
}

}  // namespace
}  // namespace tabulex
