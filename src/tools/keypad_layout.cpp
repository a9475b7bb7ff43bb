#include "tools/keypad_layout.h"

#include <algorithm>

namespace tabulex {
namespace {

using K = KeypadKey;

constexpr std::array<KeypadKeyDefinition, kKeypadKeyCount> kKeys{{
    {K::Second, 1, 1, "2nd", ""},
    {K::Factorial, 2, 1, "n！", ""},
    {K::FractionSeparator, 3, 1, "∟", "，"},
    {K::LayoutToggle, 4, 1, "简单", ""},
    {K::ClearAll, 5, 1, "全清", ""},
    {K::NewLine, 6, 1, "换行", ""},
    {K::Undo, 7, 1, "撤销", ""},
    {K::Square, 1, 2, "X^2", "√"},
    {K::Cube, 2, 2, "X^3", "3√"},
    {K::Power, 3, 2, "X^y", "1/X"},
    {K::Left, 4, 2, "←", ""},
    {K::Right, 5, 2, "→", ""},
    {K::PasteResult, 6, 2, "取存", ""},
    {K::Back, 7, 2, "BACK", ""},
    {K::Sin, 1, 3, "sin", "asin"},
    {K::Cos, 2, 3, "cos", "acos"},
    {K::Tan, 3, 3, "tan", "atan"},
    {K::Brackets, 4, 3, "（）", ""},
    {K::Divide, 5, 3, "÷", ""},
    {K::Multiply, 6, 3, "×", ""},
    {K::Minus, 7, 3, "-", ""},
    {K::Sinh, 1, 4, "sinh", "asinh"},
    {K::Cosh, 2, 4, "cosh", "acosh"},
    {K::Tanh, 3, 4, "tanh", "atanh"},
    {K::Seven, 4, 4, "7", ""},
    {K::Eight, 5, 4, "8", ""},
    {K::Nine, 6, 4, "9", ""},
    {K::Plus, 7, 4, "+", ""},
    {K::Log, 1, 5, "log", "lg"},
    {K::E, 2, 5, "e", "ln"},
    {K::Pi, 3, 5, "π", "Rand"},
    {K::Four, 4, 5, "4", ""},
    {K::Five, 5, 5, "5", ""},
    {K::Six, 6, 5, "6", ""},
    {K::Int, 1, 6, "int", ""},
    {K::One, 4, 6, "1", ""},
    {K::Two, 5, 6, "2", ""},
    {K::Three, 6, 6, "3", ""},
    {K::Equals, 7, 6, "=", ""},
    {K::Zero, 4, 7, "0", ""},
    {K::Point, 6, 7, ".", ""},
}};

// Design positions of the full layout, by column and by row.
constexpr std::array<int, 7> kColumnX{9, 84, 159, 234, 309, 384, 460};
constexpr std::array<int, 7> kRowY{5, 41, 77, 113, 149, 185, 223};
// The compact layout: columns 1 to 3 (on the scale of the full width), then 4 to 7 (on the
// scale of the compact design width).
constexpr std::array<int, 7> kCompactColumnX{-391, -316, -241, 6, 81, 156, 232};
constexpr int kCompactDesignWidth = 312;
constexpr int kFirstCompactColumn = 4;

constexpr int kKeyWidth = 72;
constexpr int kKeyHeight = 33;
constexpr int kWideKeyWidth = 147;  // "0"
constexpr int kTallKeyHeight = 70;  // "+" and "="

constexpr int kMinimumOverlap = 10;

int KeyWidth(KeypadKey key) {
  return key == K::Zero ? kWideKeyWidth : kKeyWidth;
}

int KeyHeight(KeypadKey key) {
  return key == K::Plus || key == K::Equals ? kTallKeyHeight : kKeyHeight;
}

// value * size / design, truncated toward zero; in 64 bits, as any window size may come in.
int Scaled(int value, int size, int design) {
  return static_cast<int>(static_cast<std::int64_t>(value) * size / design);
}

// The length over which [start, start + length) and [otherStart, otherStart + otherLength)
// overlap; negative when they are apart.
std::int64_t Overlap(std::int64_t start, std::int64_t length, std::int64_t otherStart,
                     std::int64_t otherLength) {
  return std::min(start + length, otherStart + otherLength) - std::max(start, otherStart);
}

}  // namespace

std::span<const KeypadKeyDefinition, kKeypadKeyCount> KeypadKeys() {
  return kKeys;
}

const KeypadKeyDefinition& KeypadKeyDefinitionOf(KeypadKey key) {
  return kKeys[static_cast<std::size_t>(key)];
}

KeypadRect KeypadDesignRect(KeypadKey key) {
  const KeypadKeyDefinition& definition = KeypadKeyDefinitionOf(key);
  return KeypadRect{kColumnX[static_cast<std::size_t>(definition.column - 1)],
                    kRowY[static_cast<std::size_t>(definition.row - 1)], KeyWidth(key),
                    KeyHeight(key)};
}

KeypadRect KeypadKeyRect(KeypadKey key, KeypadMode mode, int width, int height) {
  const KeypadRect design = KeypadDesignRect(key);
  KeypadRect rect{0, Scaled(design.top, height, kKeypadDesignHeight), 0,
                  Scaled(design.height, height, kKeypadDesignHeight)};
  const int column = KeypadKeyDefinitionOf(key).column;
  if (mode == KeypadMode::Scientific) {
    rect.left = Scaled(design.left, width, kKeypadDesignWidth);
    rect.width = Scaled(design.width, width, kKeypadDesignWidth);
  } else if (column < kFirstCompactColumn) {
    rect.left =
        Scaled(kCompactColumnX[static_cast<std::size_t>(column - 1)], width, kKeypadDesignWidth);
    rect.width = Scaled(design.width, width, kKeypadDesignWidth);
  } else {
    rect.left =
        Scaled(kCompactColumnX[static_cast<std::size_t>(column - 1)], width, kCompactDesignWidth);
    rect.width = Scaled(design.width, width, kCompactDesignWidth);
  }
  return rect;
}

std::array<KeypadRect, kKeypadKeyCount> LayOutKeypad(KeypadMode mode, int width, int height) {
  std::array<KeypadRect, kKeypadKeyCount> rects{};
  for (const KeypadKeyDefinition& definition : kKeys) {
    rects[static_cast<std::size_t>(definition.key)] =
        KeypadKeyRect(definition.key, mode, width, height);
  }
  return rects;
}

KeypadSettings ReachableKeypadGeometry(const KeypadSettings& stored,
                                       std::span<const KeypadRect> screens) {
  const KeypadSettings defaults;
  KeypadSettings geometry = stored;
  if (geometry.width < 1 || geometry.height < 1) {
    geometry.width = defaults.width;
    geometry.height = defaults.height;
  }
  const auto seenOn = [&geometry](const KeypadRect& screen) {
    return Overlap(geometry.left, geometry.width, screen.left, screen.width) >= kMinimumOverlap &&
           Overlap(geometry.top, geometry.height, screen.top, screen.height) >= kMinimumOverlap;
  };
  if (std::none_of(screens.begin(), screens.end(), seenOn)) {
    geometry.left = defaults.left;
    geometry.top = defaults.top;
  }
  return geometry;
}

}  // namespace tabulex
