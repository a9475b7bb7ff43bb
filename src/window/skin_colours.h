// The colours of the 33 built-in skins: eleven hues, each in a light, a soft and a dark tone
// (skins 1 to 11, 12 to 22, 23 to 33). The Qt side makes a palette and a style sheet of them.
// The main editor keeps its own background and text colours under every skin.
#pragma once

#include <cstdint>
#include <optional>

namespace tabulex {

inline constexpr std::int32_t kSkinCount = 33;

// 0xRRGGBB each.
struct SkinColours {
  std::uint32_t window{};  // window and dialog backgrounds, menu and status bars
  std::uint32_t button{};
  std::uint32_t base{};        // input fields of dialogs
  std::uint32_t text{};        // on window, button and base alike
  std::uint32_t accent{};      // selection, default button, slider
  std::uint32_t accentText{};  // on accent
  std::uint32_t border{};
  bool dark{false};
};

// Nothing for a number outside 1 to 33 (a hand-edited file): no skin.
std::optional<SkinColours> SkinColoursOf(std::int32_t skinNumber);

}  // namespace tabulex
