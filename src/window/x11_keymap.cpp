#include "window/x11_keymap.h"

#include <algorithm>
#include <cstddef>

namespace tabulex {

std::vector<std::uint8_t> KeycodesForKeysym(const KeyboardMapping& mapping, std::uint32_t keysym) {
  std::vector<std::uint8_t> unshifted;
  std::vector<std::uint8_t> anyLevel;
  const std::size_t perKeycode = mapping.keysymsPerKeycode;
  if (perKeycode == 0) return unshifted;
  const std::size_t count = mapping.keysyms.size() / perKeycode;
  for (std::size_t i = 0; i < count && mapping.minKeycode + i <= 255; ++i) {
    const auto keycode = static_cast<std::uint8_t>(mapping.minKeycode + i);
    const auto first = mapping.keysyms.begin() + static_cast<std::ptrdiff_t>(i * perKeycode);
    if (*first == keysym) {
      unshifted.push_back(keycode);
    } else if (std::find(first, first + static_cast<std::ptrdiff_t>(perKeycode), keysym) !=
               first + static_cast<std::ptrdiff_t>(perKeycode)) {
      anyLevel.push_back(keycode);
    }
  }
  return unshifted.empty() ? anyLevel : unshifted;
}

std::uint16_t ModifierMaskOf(const ModifierMapping& mapping,
                             const std::vector<std::uint8_t>& keycodes) {
  const std::size_t perModifier = mapping.keycodesPerModifier;
  for (std::size_t modifier = 0; modifier < 8; ++modifier) {
    for (std::size_t slot = 0; slot < perModifier; ++slot) {
      const std::size_t index = modifier * perModifier + slot;
      if (index >= mapping.keycodes.size()) return 0;
      const std::uint8_t keycode = mapping.keycodes[index];
      if (keycode != 0 && std::find(keycodes.begin(), keycodes.end(), keycode) != keycodes.end()) {
        return static_cast<std::uint16_t>(1u << modifier);
      }
    }
  }
  return 0;
}

std::vector<std::uint16_t> LockVariants(std::uint16_t numLockMask) {
  std::vector<std::uint16_t> variants{0, kX11LockMask};
  if (numLockMask != 0 && numLockMask != kX11LockMask) {
    variants.push_back(numLockMask);
    variants.push_back(static_cast<std::uint16_t>(numLockMask | kX11LockMask));
  }
  return variants;
}

bool ModifiersMatch(std::uint16_t eventState, std::uint16_t grabbedModifiers,
                    std::uint16_t numLockMask) {
  // Only the eight modifier bits; the rest of the state are mouse buttons.
  const auto ignored = static_cast<std::uint16_t>(kX11LockMask | numLockMask);
  return (eventState & 0xff & ~ignored) == grabbedModifiers;
}

}  // namespace tabulex
