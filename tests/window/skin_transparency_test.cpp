#include "window/skin_transparency.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace tabulex {
namespace {

TEST(SkinTransparency, AlphaIsFiveTimesTheSliderWithoutOverflow) {
  const struct {
    std::int32_t slider;
    std::int64_t alpha;
  } rows[] = {{1, 5}, {51, 255}, {100, 500}, {0, 0}, {-3, -15}, {INT_MAX, 5LL * INT_MAX}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.slider);
    EXPECT_EQ(SkinAlpha(row.slider), row.alpha);
  }
}

TEST(SkinTransparency, OpacityHasAFloorAndReachesOpaque) {
  const struct {
    const char* name;
    std::int64_t alpha;
    double opacity;
  } rows[] = {
      {"reset alpha 0: no transparency", 0, 1.0},
      {"hand-edited negative", -15, 1.0},
      {"alpha 1 at the floor", 1, kMinimumWindowOpacity + (1 - kMinimumWindowOpacity) / 255},
      {"default slider 100", 500, 1.0},
      {"slider 51", 255, 1.0},
      {"hand-edited huge", 5LL * INT_MAX, 1.0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_DOUBLE_EQ(WindowOpacity(row.alpha), row.opacity);
  }
  EXPECT_GE(kMinimumWindowOpacity, 0.3);
}

TEST(SkinTransparency, EverySliderStepChangesTheOpacity) {
  double previous = WindowOpacity(SkinAlpha(kSkinSliderMinimum));
  EXPECT_GT(previous, kMinimumWindowOpacity);
  for (std::int32_t slider = kSkinSliderMinimum + 1; slider <= kSkinSliderMaximum; ++slider) {
    SCOPED_TRACE(slider);
    const double opacity = WindowOpacity(SkinAlpha(slider));
    EXPECT_GT(opacity, previous);
    previous = opacity;
  }
}

TEST(SkinTransparency, SliderPositionStaysWithinItsRange) {
  const struct {
    std::int32_t value, position;
  } rows[] = {{100, 51}, {51, 51}, {20, 20}, {1, 1}, {0, 1}, {INT_MIN, 1}, {INT_MAX, 51}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(SkinSliderPosition(row.value), row.position);
  }
}

}  // namespace
}  // namespace tabulex
