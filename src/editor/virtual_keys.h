// Key codes as the editor logic sees them: the virtual-key numbering the key rules are
// written in. The widget layer translates its key events into these codes.
#pragma once

namespace tabulex::vk {

inline constexpr int kBackspace = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kReturn = 0x0D;
inline constexpr int kSpace = 0x20;
inline constexpr int kDigit0 = 0x30;  // main keyboard digits 0x30..0x39
inline constexpr int kDigit9 = 0x39;
inline constexpr int kD = 0x44;
inline constexpr int kNumpad0 = 0x60;  // numeric keypad digits 0x60..0x69
inline constexpr int kF1 = 112;        // F1..F12 are 112..123
inline constexpr int kF12 = 123;
inline constexpr int kGrave = 0xC0;       // the grave accent and tilde key
inline constexpr int kProcessKey = 0xE5;  // a key taken by an input method (never sent here)

}  // namespace tabulex::vk

namespace tabulex {

// Modifier state: Ctrl 1 + Shift 2 + Alt 4. Ctrl alone is exactly 1.
inline constexpr int kCtrl = 1;
inline constexpr int kShift = 2;
inline constexpr int kAlt = 4;

}  // namespace tabulex
