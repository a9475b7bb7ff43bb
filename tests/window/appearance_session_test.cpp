#include "window/appearance_session.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/recording_skin_port.h"

namespace tabulex {
namespace {

using Log = std::vector<std::string>;

CalcSettings Stored(std::int32_t skin, bool effects, std::int32_t slider) {
  CalcSettings settings;
  settings.skinNumber = skin;
  settings.skinEffects = effects;
  settings.skinSlider = slider;
  return settings;
}

TEST(AppearanceSession, OpeningPreviewsSkinEffectsThenTransparencyAtTheSliderPosition) {
  const struct {
    const char* name;
    CalcSettings settings;
    std::int32_t position;
    Log calls;
  } rows[] = {
      {"defaults: slider 100 stands at 51",
       CalcSettings{},
       51,
       {"ApplySkin 8", "ApplyEffects false", "ApplyTransparency 51"}},
      {"slider within range",
       Stored(20, true, 30),
       30,
       {"ApplySkin 20", "ApplyEffects true", "ApplyTransparency 30"}},
      {"slider 0 after a reset stands at 1",
       Stored(8, false, 0),
       1,
       {"ApplySkin 8", "ApplyEffects false", "ApplyTransparency 1"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Log log;
    RecordingSkinPort port{log};
    const AppearanceSession session{row.settings, port};
    EXPECT_EQ(log, row.calls);
    EXPECT_EQ(session.SliderPosition(), row.position);
    // The working slider is the stored value until the slider moves.
    EXPECT_EQ(session.Slider(), row.settings.skinSlider);
  }
}

TEST(AppearanceSession, SkinButtonsWrapAndAlwaysReachARealSkin) {
  const struct {
    std::int32_t from, next, previous;
  } rows[] = {
      {1, 2, 33},  {8, 9, 7},   {32, 33, 31},     {33, 1, 32},      {0, 1, 33},
      {34, 1, 33}, {-5, 1, 33}, {INT_MAX, 1, 33}, {INT_MIN, 1, 33},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("from " + std::to_string(row.from));
    Log log;
    RecordingSkinPort port{log};
    AppearanceSession next{Stored(row.from, false, 100), port};
    AppearanceSession previous{Stored(row.from, false, 100), port};
    log.clear();
    next.NextSkin();
    previous.PreviousSkin();
    EXPECT_EQ(next.Skin(), row.next);
    EXPECT_EQ(previous.Skin(), row.previous);
    EXPECT_EQ(log, (Log{"ApplySkin " + std::to_string(row.next),
                        "ApplySkin " + std::to_string(row.previous)}));
  }
}

TEST(AppearanceSession, ChangesArePreviewedAndConfirmTakesThemWithTheBackground) {
  Log log;
  RecordingSkinPort port{log};
  CalcSettings settings = Stored(32, false, 100);
  AppearanceSession session{settings, port};
  log.clear();
  session.NextSkin();
  session.NextSkin();
  session.ToggleEffects();
  session.MoveSlider(20);
  EXPECT_EQ(log, (Log{"ApplySkin 33", "ApplySkin 1", "ApplyEffects true", "ApplyTransparency 20"}));

  // Previews leave the settings alone until OK.
  EXPECT_EQ(settings.skinNumber, 32);
  session.Confirm(settings, 0x00336699);
  EXPECT_EQ(settings.skinNumber, 1);
  EXPECT_TRUE(settings.skinEffects);
  EXPECT_EQ(settings.skinSlider, 20);
  EXPECT_EQ(settings.backgroundColor, 0x00336699);
}

TEST(AppearanceSession, ConfirmWithoutTouchingTheSliderKeepsTheStoredValue) {
  Log log;
  RecordingSkinPort port{log};
  CalcSettings settings;  // slider 100, shown at 51
  const AppearanceSession session{settings, port};
  session.Confirm(settings, 0xFFFFFF);
  EXPECT_EQ(settings.skinSlider, 100);
  EXPECT_EQ(settings.skinNumber, 8);
}

TEST(AppearanceSession, CancelAfterTryingSkinsBringsBackTheStoredLook) {
  Log log;
  RecordingSkinPort port{log};
  const CalcSettings settings = Stored(5, true, 40);
  AppearanceSession session{settings, port};
  session.NextSkin();
  session.NextSkin();
  session.PreviousSkin();
  session.ToggleEffects();
  session.MoveSlider(3);
  log.clear();
  session.Cancel(settings);
  EXPECT_EQ(log, (Log{"ApplySkin 5", "ApplyEffects true", "ApplyTransparency 40"}));
}

}  // namespace
}  // namespace tabulex
