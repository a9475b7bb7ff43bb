#include "window/skin_colours.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>
#include <utility>

namespace tabulex {
namespace {

double Luminance(std::uint32_t rgb) {
  const auto linear = [](std::uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(rgb >> 16 & 0xFF) + 0.7152 * linear(rgb >> 8 & 0xFF) +
         0.0722 * linear(rgb & 0xFF);
}

// The WCAG contrast ratio, 1 to 21.
double Contrast(std::uint32_t a, std::uint32_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(SkinColours, ThirtyThreeDistinctSkins) {
  std::set<std::pair<std::uint32_t, std::uint32_t>> looks;
  for (std::int32_t skin = 1; skin <= kSkinCount; ++skin) {
    const auto colours = SkinColoursOf(skin);
    ASSERT_TRUE(colours.has_value()) << skin;
    looks.insert({colours->window, colours->accent});
  }
  EXPECT_EQ(looks.size(), static_cast<std::size_t>(kSkinCount));
}

TEST(SkinColours, NumbersOutsideTheRangeHaveNoSkin) {
  for (const std::int32_t skin : {0, 34, -1, INT_MIN, INT_MAX}) {
    EXPECT_FALSE(SkinColoursOf(skin).has_value()) << skin;
  }
}

TEST(SkinColours, EverySkinIsReadable) {
  for (std::int32_t skin = 1; skin <= kSkinCount; ++skin) {
    SCOPED_TRACE(skin);
    const SkinColours colours = *SkinColoursOf(skin);
    EXPECT_GE(Contrast(colours.text, colours.window), 7.0);
    EXPECT_GE(Contrast(colours.text, colours.button), 7.0);
    EXPECT_GE(Contrast(colours.text, colours.base), 7.0);
    EXPECT_GE(Contrast(colours.accentText, colours.accent), 4.5);
    // Buttons and fields stand apart from the window they sit on.
    EXPECT_NE(colours.button, colours.window);
    EXPECT_NE(colours.base, colours.window);
    EXPECT_EQ(colours.dark, Luminance(colours.window) < 0.2);
  }
}

TEST(SkinColours, TheLastElevenAreDark) {
  for (std::int32_t skin = 1; skin <= kSkinCount; ++skin) {
    EXPECT_EQ(SkinColoursOf(skin)->dark, skin > 22) << skin;
  }
}

}  // namespace
}  // namespace tabulex
