#include "window/x11_keymap.h"

#include <gtest/gtest.h>

namespace tabulex {
namespace {

// Keycodes 8 to 13, two levels each.
const KeyboardMapping kKeyboard{
    8,
    2,
    {
        0xffbe, 0,       // 8: F1
        'a', 'A',        // 9: a
        0xff9c, 0xffb1,  // 10: KP_End, KP_1 behind NumLock
        0xffbe, 0,       // 11: F1 again, a second key with the same symbol
        0xff7f, 0,       // 12: Num_Lock
        '1', '!',        // 13: 1
    },
};

TEST(X11Keymap, KeycodesOfAKeysymPreferTheUnshiftedLevel) {
  const struct {
    const char* name;
    std::uint32_t keysym;
    std::vector<std::uint8_t> keycodes;
  } rows[] = {
      {"F1 on two keys", 0xffbe, {8, 11}},
      {"a", 'a', {9}},
      {"keypad 1 only at the second level", 0xffb1, {10}},
      {"'!' is a shifted 1", '!', {13}},
      {"a symbol on no key", 0xffc9, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(KeycodesForKeysym(kKeyboard, row.keysym), row.keycodes);
  }
  EXPECT_TRUE(KeycodesForKeysym(KeyboardMapping{}, 'a').empty());
}

TEST(X11Keymap, NumLockMaskIsTheModifierThatHoldsItsKey) {
  // Shift, Lock, Control, Mod1 ... Mod5, two slots each.
  ModifierMapping modifiers{2, {50, 62, 66, 0, 37, 105, 64, 0, 12, 0, 0, 0, 133, 0, 0, 0}};
  EXPECT_EQ(ModifierMaskOf(modifiers, KeycodesForKeysym(kKeyboard, kNumLockKeysym)), 0x10);  // Mod2
  EXPECT_EQ(ModifierMaskOf(modifiers, {37}), 4);      // Control
  EXPECT_EQ(ModifierMaskOf(modifiers, {133}), 0x40);  // Mod4
  EXPECT_EQ(ModifierMaskOf(modifiers, {99}), 0);
  // An empty slot (0) is no key.
  EXPECT_EQ(ModifierMaskOf(modifiers, {0}), 0);
  // A table cut short.
  EXPECT_EQ(ModifierMaskOf(ModifierMapping{2, {50}}, {12}), 0);
}

TEST(X11Keymap, AGrabCoversEveryLockStateAndAPressMatchesWhateverTheLocks) {
  EXPECT_EQ(LockVariants(0x10), (std::vector<std::uint16_t>{0, 2, 0x10, 0x12}));
  EXPECT_EQ(LockVariants(0), (std::vector<std::uint16_t>{0, 2}));

  const struct {
    const char* name;
    std::uint16_t state;
    bool matches;
  } rows[] = {
      {"Ctrl", 4, true},
      {"Ctrl with NumLock", 4 | 0x10, true},
      {"Ctrl with CapsLock and NumLock", 4 | 2 | 0x10, true},
      {"Ctrl with a mouse button held", 4 | 0x100, true},
      {"no modifier", 0, false},
      {"Ctrl+Shift", 5, false},
      {"Ctrl+Alt", 12, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ModifiersMatch(row.state, 4, 0x10), row.matches);
  }
}

}  // namespace
}  // namespace tabulex
