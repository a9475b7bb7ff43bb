// The appearance window "外观设置" as values: its working skin, effects and slider, the live
// preview each change makes, and what OK and cancel leave behind. The two colours are not
// here: they are never previewed and only matter on OK. The working values die with the
// window.
#pragma once

#include <cstdint>

#include "base/calc_settings.h"
#include "window/skin_port.h"

namespace tabulex {

class AppearanceSession {
 public:
  // Opening: the working values from settings, then the preview of the skin, the effects and
  // the transparency at the slider's position, in this order.
  AppearanceSession(const CalcSettings& settings, SkinPort& skins);

  std::int32_t Skin() const { return m_skin; }
  bool Effects() const { return m_effects; }
  std::int32_t Slider() const { return m_slider; }
  // Where the slider opens: skinSlider within 1 to 51.
  std::int32_t SliderPosition() const;

  void MoveSlider(std::int32_t position);
  void ToggleEffects();
  // 33 wraps to 1 and 1 to 33; a number outside 1 to 33 (hand-edited) goes to 1 or 33, so
  // the buttons always reach a real skin.
  void NextSkin();
  void PreviousSkin();

  // OK: the working values and the chosen background colour (0x00BBGGRR) into settings. The
  // caller then sets the editor's colours and writes the appearance keys.
  void Confirm(CalcSettings& settings, std::int32_t backgroundColor) const;
  // Cancel, and any other way of closing without OK: the stored look comes back.
  void Cancel(const CalcSettings& settings) const;

 private:
  SkinPort& m_skins;
  std::int32_t m_skin{};
  bool m_effects{};
  std::int32_t m_slider{};
};

}  // namespace tabulex
