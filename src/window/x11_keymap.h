// What a global key grab needs from the X server's keyboard tables, as plain lookups over
// copies of them: the keycodes that produce a keysym, the modifier bit NumLock sets, and the
// lock-state variants a grab must cover so that NumLock and CapsLock do not defeat it.
#pragma once

#include <cstdint>
#include <vector>

namespace tabulex {

inline constexpr std::uint16_t kX11LockMask = 2;  // CapsLock
inline constexpr std::uint32_t kNumLockKeysym = 0xff7f;

// GetKeyboardMapping: keysymsPerKeycode keysyms for each keycode from minKeycode on.
struct KeyboardMapping {
  std::uint8_t minKeycode{0};
  std::uint8_t keysymsPerKeycode{0};
  std::vector<std::uint32_t> keysyms;
};

// GetModifierMapping: keycodesPerModifier keycodes for each of the eight modifiers (Shift,
// Lock, Control, Mod1 ... Mod5), 0 for an unused slot.
struct ModifierMapping {
  std::uint8_t keycodesPerModifier{0};
  std::vector<std::uint8_t> keycodes;
};

// The keycodes whose unshifted symbol is the keysym; when there are none, those that have it
// at any other level (the keypad digits sit behind NumLock, for one).
std::vector<std::uint8_t> KeycodesForKeysym(const KeyboardMapping& mapping, std::uint32_t keysym);

// The mask of the first modifier that one of the keycodes sets; 0 when none does.
std::uint16_t ModifierMaskOf(const ModifierMapping& mapping,
                             const std::vector<std::uint8_t>& keycodes);

// The lock states to grab a combination under: none, CapsLock, NumLock and both (without
// duplicates when NumLock is no modifier at all).
std::vector<std::uint16_t> LockVariants(std::uint16_t numLockMask);

// True when a key event's state is the grabbed modifiers, whatever the lock states.
bool ModifiersMatch(std::uint16_t eventState, std::uint16_t grabbedModifiers,
                    std::uint16_t numLockMask);

}  // namespace tabulex
