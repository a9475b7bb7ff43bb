#include "window/hotkey_ids.h"

#include <gtest/gtest.h>

namespace tabulex {
namespace {

TEST(HotkeyIds, CountUpFrom33001AndNeverRepeat) {
  HotkeyIds ids;
  EXPECT_EQ(ids.Next(), 33001);
  EXPECT_EQ(ids.Next(), 33002);
  EXPECT_EQ(ids.Next(), 33003);
}

}  // namespace
}  // namespace tabulex
