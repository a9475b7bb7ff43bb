// What attaching a skin means to the rest of the program: the three calls the start-up
// sequence, the reset and the appearance window make. SkinEngine is the real one.
#pragma once

#include <cstdint>

namespace tabulex {

class SkinPort {
 public:
  virtual ~SkinPort() = default;

  // Skin 1 to 33; any other number removes the skin.
  virtual void ApplySkin(std::int32_t skinNumber) = 0;
  // A skin slider value (alpha = value × 5).
  virtual void ApplyTransparency(std::int32_t skinSlider) = 0;
  virtual void ApplyEffects(bool on) = 0;
};

}  // namespace tabulex
