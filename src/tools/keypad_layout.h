// The keypad's buttons: the grid of 41 keys with their captions, where each key sits in the
// full layout at the design size, and where it goes for a window size in either layout.
// Pure geometry; what a key does is KeypadActions' business.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/settings_records.h"

namespace tabulex {

// In grid order: row by row, left to right. The value is the key's index.
enum class KeypadKey {
  // row 1
  Second,
  Factorial,
  FractionSeparator,
  LayoutToggle,
  ClearAll,
  NewLine,
  Undo,
  // row 2
  Square,
  Cube,
  Power,
  Left,
  Right,
  PasteResult,
  Back,
  // row 3
  Sin,
  Cos,
  Tan,
  Brackets,
  Divide,
  Multiply,
  Minus,
  // row 4
  Sinh,
  Cosh,
  Tanh,
  Seven,
  Eight,
  Nine,
  Plus,  // rows 4 and 5
  // row 5
  Log,
  E,
  Pi,
  Four,
  Five,
  Six,
  // row 6
  Int,
  One,
  Two,
  Three,
  Equals,  // rows 6 and 7
  // row 7
  Zero,  // columns 4 and 5
  Point,
};

inline constexpr int kKeypadKeyCount = 41;

inline constexpr int kKeypadDesignWidth = 540;
inline constexpr int kKeypadDesignHeight = 265;

enum class KeypadMode {
  Scientific,  // all seven columns
  Compact,     // only columns 4 to 7
};

struct KeypadRect {
  int left{0};
  int top{0};
  int width{0};
  int height{0};

  friend bool operator==(const KeypadRect&, const KeypadRect&) = default;
};

struct KeypadKeyDefinition {
  KeypadKey key;
  int column;                      // 1 to 7
  int row;                         // 1 to 7
  std::string_view caption;        // UTF-8
  std::string_view secondCaption;  // UTF-8; empty for keys without a second function
};

// All keys in KeypadKey order.
std::span<const KeypadKeyDefinition, kKeypadKeyCount> KeypadKeys();
const KeypadKeyDefinition& KeypadKeyDefinitionOf(KeypadKey key);

// The key's place in the full layout at 540 x 265.
KeypadRect KeypadDesignRect(KeypadKey key);

// The key's place in a window of width x height. Positions and sizes scale with the window
// and are truncated toward zero; in the compact layout columns 1 to 3 lie left of the window.
KeypadRect KeypadKeyRect(KeypadKey key, KeypadMode mode, int width, int height);
std::array<KeypadRect, kKeypadKeyCount> LayOutKeypad(KeypadMode mode, int width, int height);

// The geometry to open the keypad with, from the stored one. A size below one pixel gives the
// default size, and a window that no screen shows at least 10 pixels wide and 10 pixels high
// goes to the default position: a hand-edited file, a screen that is gone or the empty corner
// of two screens of different sizes never leaves the keypad out of reach.
KeypadSettings ReachableKeypadGeometry(const KeypadSettings& stored,
                                       std::span<const KeypadRect> screens);

}  // namespace tabulex
