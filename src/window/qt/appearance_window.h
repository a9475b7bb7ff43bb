// The appearance window "外观设置": the editor's text and background colours, the skin, its
// transparency and its effects. Skin, transparency and effects show at once through the skin
// engine; the colours only on OK. The rules live in window/appearance_session.h.
#pragma once

#include <QDialog>

#include <cstdint>

#include "base/calc_settings.h"
#include "settings/settings_store.h"
#include "window/appearance_session.h"
#include "window/platform_abilities.h"
#include "window/skin_port.h"

namespace tabulex {

class ColourButton;

class AppearanceWindow final : public QDialog {
  Q_OBJECT

 public:
  // fontColor is the editor's current text colour; colours are 0x00BBGGRR.
  // Without window opacity on the platform the transparency slider is disabled.
  AppearanceWindow(CalcSettings& settings, SettingsStore& store, SkinPort& skins,
                   std::int32_t fontColor, QWidget* parent, PlatformAbilities platform = {});

  // Cancel, Esc and the close box alike: the stored look comes back.
  void reject() override;

 signals:
  // On OK, before the appearance keys are written: the owner gives the editor these colours
  // (backgroundColor is already in the settings).
  void ColoursChosen(std::int32_t fontColor, std::int32_t backgroundColor);

 private:
  void Confirm();

  CalcSettings& m_settings;
  SettingsStore& m_store;
  AppearanceSession m_session;
  ColourButton* m_fontColor{};
  ColourButton* m_backgroundColor{};
};

}  // namespace tabulex
