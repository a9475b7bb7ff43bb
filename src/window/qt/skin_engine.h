// The built-in skin engine. A skin is an application palette and style sheet made from one of
// the 33 colour sets of skin_colours.h; the effects add rounded, gradient buttons on top of
// whatever skin is attached (or none); the transparency is the opacity of every top-level
// window and dialog, those opened later included, and never falls below a floor. Nothing is
// written to disk.
//
// Skins never touch the main editor's background and text: those are roles the main window
// sets on the editor itself, which an application palette does not override, and no rule of
// the style sheet names the editor.
#pragma once

#include <QObject>

#include <cstdint>

#include "window/skin_port.h"

namespace tabulex {

class SkinEngine final : public QObject, public SkinPort {
  Q_OBJECT

 public:
  // Watches the application for windows being shown, to give them the current opacity.
  explicit SkinEngine(QObject* parent = nullptr);

  void ApplySkin(std::int32_t skinNumber) override;
  void ApplyTransparency(std::int32_t skinSlider) override;
  void ApplyEffects(bool on) override;

  // 0 when no skin is attached.
  std::int32_t AttachedSkin() const { return m_skin; }
  bool EffectsOn() const { return m_effects; }
  double Opacity() const { return m_opacity; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplyStyleSheet();

  std::int32_t m_skin{0};
  bool m_effects{false};
  double m_opacity{1.0};
};

}  // namespace tabulex
