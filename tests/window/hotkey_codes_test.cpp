#include "window/hotkey_codes.h"

#include <gtest/gtest.h>

namespace tabulex {
namespace {

TEST(HotkeyCodes, ModifierCodesGiveTheirCombinationAndAnythingElseNone) {
  const struct {
    std::int32_t code;
    std::uint32_t flags;
    std::uint16_t x11Mask;  // Shift 1, Control 4, Mod1 (Alt) 8
  } rows[] = {
      {0, 0, 0},
      {1, kModControl, 4},
      {2, kModShift, 1},
      {3, kModControl | kModShift, 5},
      {4, kModAlt, 8},
      {5, kModControl | kModAlt, 12},
      {6, kModAlt | kModShift, 9},
      {7, 0, 0},
      {8, 0, 0},
      {-1, 0, 0},
      {112, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(HotkeyModifierFlags(row.code), row.flags);
    EXPECT_EQ(X11ModifierMask(HotkeyModifierFlags(row.code)), row.x11Mask);
  }
  EXPECT_EQ(X11ModifierMask(kModWin), 64);  // Mod4
}

TEST(HotkeyCodes, VirtualKeysBecomeTheKeysymsOfTheSameKeys) {
  const struct {
    const char* name;
    std::int32_t vk;
    std::optional<std::uint32_t> keysym;
  } rows[] = {
      {"F1", 112, 0xffbe},
      {"F6", 117, 0xffc3},
      {"F12", 123, 0xffc9},
      {"F24", 0x87, 0xffd5},
      {"A: the unshifted a", 'A', 'a'},
      {"Z", 'Z', 'z'},
      {"digit 0", '0', '0'},
      {"digit 9", '9', '9'},
      {"keypad 0", 0x60, 0xffb0},
      {"keypad 9", 0x69, 0xffb9},
      {"keypad *", 0x6A, 0xffaa},
      {"keypad /", 0x6F, 0xffaf},
      {"Return", 0x0D, 0xff0d},
      {"space", 0x20, ' '},
      {"Delete", 0x2E, 0xffff},
      {"grave", 0xC0, '`'},
      {"quote", 0xDE, '\''},
      {"no key: 0", 0, std::nullopt},
      {"the Windows key itself", 0x5B, std::nullopt},
      {"Shift as a key", 0x10, std::nullopt},
      {"past F24", 0x88, std::nullopt},
      {"out of range", 0x1FF, std::nullopt},
      {"negative", -112, std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(KeysymForVirtualKey(row.vk), row.keysym);
  }
}

}  // namespace
}  // namespace tabulex
