#include "window/hotkey_codes.h"

#include <array>
#include <utility>

namespace tabulex {
namespace {

constexpr std::uint16_t kShiftMask = 1;
constexpr std::uint16_t kControlMask = 4;
constexpr std::uint16_t kMod1Mask = 8;
constexpr std::uint16_t kMod4Mask = 64;

// Virtual-key codes whose keys have no place in a contiguous range below.
constexpr std::array<std::pair<std::int32_t, std::uint32_t>, 29> kSingleKeys{{
    {0x08, 0xff08},  // Backspace
    {0x09, 0xff09},  // Tab
    {0x0D, 0xff0d},  // Return
    {0x13, 0xff13},  // Pause
    {0x1B, 0xff1b},  // Escape
    {0x20, 0x0020},  // space
    {0x21, 0xff55},  // Page Up
    {0x22, 0xff56},  // Page Down
    {0x23, 0xff57},  // End
    {0x24, 0xff50},  // Home
    {0x25, 0xff51},  // Left
    {0x26, 0xff52},  // Up
    {0x27, 0xff53},  // Right
    {0x28, 0xff54},  // Down
    {0x2C, 0xff61},  // Print
    {0x2D, 0xff63},  // Insert
    {0x2E, 0xffff},  // Delete
    {0x91, 0xff14},  // Scroll Lock
    {0xBA, 0x003b},  // ;
    {0xBB, 0x003d},  // =
    {0xBC, 0x002c},  // ,
    {0xBD, 0x002d},  // -
    {0xBE, 0x002e},  // .
    {0xBF, 0x002f},  // /
    {0xC0, 0x0060},  // `
    {0xDB, 0x005b},  // [
    {0xDC, 0x005c},  // backslash
    {0xDD, 0x005d},  // ]
    {0xDE, 0x0027},  // '
}};

}  // namespace

std::uint32_t HotkeyModifierFlags(std::int32_t hotkeyModifier) {
  switch (hotkeyModifier) {
    case 1:
      return kModControl;
    case 2:
      return kModShift;
    case 3:
      return kModControl | kModShift;
    case 4:
      return kModAlt;
    case 5:
      return kModControl | kModAlt;
    case 6:
      return kModAlt | kModShift;
    default:
      return 0;
  }
}

std::uint16_t X11ModifierMask(std::uint32_t modifierFlags) {
  std::uint16_t mask = 0;
  if (modifierFlags & kModShift) mask |= kShiftMask;
  if (modifierFlags & kModControl) mask |= kControlMask;
  if (modifierFlags & kModAlt) mask |= kMod1Mask;
  if (modifierFlags & kModWin) mask |= kMod4Mask;
  return mask;
}

std::optional<std::uint32_t> KeysymForVirtualKey(std::int32_t vk) {
  if (vk >= 'A' && vk <= 'Z') return static_cast<std::uint32_t>(vk - 'A' + 'a');
  if (vk >= '0' && vk <= '9') return static_cast<std::uint32_t>(vk);
  if (vk >= 0x60 && vk <= 0x69) return 0xffb0u + static_cast<std::uint32_t>(vk - 0x60);  // KP_0
  if (vk >= 0x6A && vk <= 0x6F) return 0xffaau + static_cast<std::uint32_t>(vk - 0x6A);  // KP_*
  if (vk >= 0x70 && vk <= 0x87) return 0xffbeu + static_cast<std::uint32_t>(vk - 0x70);  // F1
  for (const auto& [code, keysym] : kSingleKeys) {
    if (code == vk) return keysym;
  }
  return std::nullopt;
}

}  // namespace tabulex
