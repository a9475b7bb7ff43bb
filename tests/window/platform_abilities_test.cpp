#include "window/platform_abilities.h"

#include <gtest/gtest.h>

namespace tabulex {
namespace {

TEST(PlatformAbilities, WaylandLetsNoProgramMoveRaiseFadeOrGrabAKey) {
  const PlatformAbilities none{false, false, false, false};
  const struct {
    const char* platform;
    PlatformAbilities abilities;
  } rows[] = {
      {"xcb", PlatformAbilities{}},
      {"offscreen", PlatformAbilities{}},
      {"wayland", none},
      {"wayland-egl", none},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.platform);
    EXPECT_EQ(PlatformAbilitiesOf(row.platform), row.abilities);
  }
}

}  // namespace
}  // namespace tabulex
