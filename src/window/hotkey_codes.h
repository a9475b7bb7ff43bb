// The show/hide hotkey as the configuration stores it: a modifier code (辅助功能快捷键) and a
// Windows virtual-key code (辅助快捷键). These turn it into the Windows modifier flags it
// stands for, and those into what an X11 key grab takes: a core modifier mask and a keysym.
#pragma once

#include <cstdint>
#include <optional>

namespace tabulex {

// Windows hotkey modifier flags.
inline constexpr std::uint32_t kModAlt = 1;
inline constexpr std::uint32_t kModControl = 2;
inline constexpr std::uint32_t kModShift = 4;
inline constexpr std::uint32_t kModWin = 8;

// 0 none, 1 Ctrl, 2 Shift, 3 Ctrl+Shift, 4 Alt, 5 Ctrl+Alt, 6 Alt+Shift; any other code none.
// The settings dialog only offers 0 to 2; the rest come from a hand-edited file.
std::uint32_t HotkeyModifierFlags(std::int32_t hotkeyModifier);

// X11 core modifier mask: Shift, Control, Mod1 for Alt and Mod4 for the Windows key, as
// every common keyboard map assigns them.
std::uint16_t X11ModifierMask(std::uint32_t modifierFlags);

// The keysym of the key a virtual-key code names: letters, digits, F1 to F24, the numeric
// keypad, the editing and arrow keys and the US punctuation keys. Nothing for any other code.
std::optional<std::uint32_t> KeysymForVirtualKey(std::int32_t virtualKey);

}  // namespace tabulex
