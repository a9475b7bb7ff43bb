// Skin transparency: a slider value gives an alpha (value × 5), and an alpha a window
// opacity. Alpha 0, which a settings reset applies, means no transparency at all. The opacity
// never falls below kMinimumWindowOpacity, so that no slider position leaves a window
// invisible and out of reach.
#pragma once

#include <cstdint>

namespace tabulex {

// The slider runs from 1 to 51 (alpha 5 to 255).
inline constexpr std::int32_t kSkinSliderMinimum = 1;
inline constexpr std::int32_t kSkinSliderMaximum = 51;

// At this opacity the editor's text still reads over a busy desktop and the window is easy to
// find again; below it, it is mostly lost.
inline constexpr double kMinimumWindowOpacity = 0.4;

// skinSlider × 5, without overflow for hand-edited values.
std::int64_t SkinAlpha(std::int32_t skinSlider);

// Alpha 255 and above (the default slider 100 gives 500) is opaque, and so are alpha 0 and
// below (no transparency); from alpha 1 to 255 the opacity rises evenly from
// kMinimumWindowOpacity, so every slider step shows.
double WindowOpacity(std::int64_t alpha);

// Where the slider stands for a skinSlider value: within 1 to 51.
std::int32_t SkinSliderPosition(std::int32_t skinSlider);

}  // namespace tabulex
