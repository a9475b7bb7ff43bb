#include "window/skin_transparency.h"

#include <algorithm>

namespace tabulex {

std::int64_t SkinAlpha(std::int32_t skinSlider) {
  return std::int64_t{skinSlider} * 5;
}

double WindowOpacity(std::int64_t alpha) {
  if (alpha <= 0) return 1.0;
  const double share = static_cast<double>(std::clamp<std::int64_t>(alpha, 0, 255)) / 255;
  return kMinimumWindowOpacity + (1 - kMinimumWindowOpacity) * share;
}

std::int32_t SkinSliderPosition(std::int32_t skinSlider) {
  return std::clamp(skinSlider, kSkinSliderMinimum, kSkinSliderMaximum);
}

}  // namespace tabulex
