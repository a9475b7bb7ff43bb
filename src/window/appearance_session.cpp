#include "window/appearance_session.h"

#include "window/skin_colours.h"
#include "window/skin_transparency.h"

namespace tabulex {

AppearanceSession::AppearanceSession(const CalcSettings& settings, SkinPort& skins)
    : m_skins{skins},
      m_skin{settings.skinNumber},
      m_effects{settings.skinEffects},
      m_slider{settings.skinSlider} {
  m_skins.ApplySkin(m_skin);
  m_skins.ApplyEffects(m_effects);
  m_skins.ApplyTransparency(SliderPosition());
}

std::int32_t AppearanceSession::SliderPosition() const {
  return SkinSliderPosition(m_slider);
}

void AppearanceSession::MoveSlider(std::int32_t position) {
  m_skins.ApplyTransparency(position);
  m_slider = position;
}

void AppearanceSession::ToggleEffects() {
  m_effects = !m_effects;
  m_skins.ApplyEffects(m_effects);
}

void AppearanceSession::NextSkin() {
  m_skin = (m_skin >= 1 && m_skin < kSkinCount) ? m_skin + 1 : 1;
  m_skins.ApplySkin(m_skin);
}

void AppearanceSession::PreviousSkin() {
  m_skin = (m_skin > 1 && m_skin <= kSkinCount) ? m_skin - 1 : kSkinCount;
  m_skins.ApplySkin(m_skin);
}

void AppearanceSession::Confirm(CalcSettings& settings, std::int32_t backgroundColor) const {
  settings.skinNumber = m_skin;
  settings.skinEffects = m_effects;
  settings.skinSlider = m_slider;
  settings.backgroundColor = backgroundColor;
}

void AppearanceSession::Cancel(const CalcSettings& settings) const {
  m_skins.ApplySkin(settings.skinNumber);
  m_skins.ApplyEffects(settings.skinEffects);
  m_skins.ApplyTransparency(settings.skinSlider);
}

}  // namespace tabulex
