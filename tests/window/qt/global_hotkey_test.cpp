#include <gtest/gtest.h>

#include "window/qt/global_hotkey.h"

namespace tabulex {
namespace {

TEST(GlobalHotkeyOffscreen, WithoutX11EveryRegistrationKeepsIdZeroSilently) {
  GlobalHotkey hotkey;
  EXPECT_EQ(hotkey.Register(0, 112), 0);
  EXPECT_EQ(hotkey.Register(1, 117), 0);
  hotkey.Unregister();
  hotkey.Unregister();
  EXPECT_EQ(hotkey.Id(), 0);
}

}  // namespace
}  // namespace tabulex
