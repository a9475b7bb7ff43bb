// LookAdapter: the look port carried out on the skin engine and the editor widget. It keeps
// the text colour, which a QFont does not carry.
#pragma once

#include "session/look_port.h"

class QPlainTextEdit;

namespace tabulex {

class SkinEngine;

class LookAdapter final : public LookPort {
 public:
  LookAdapter(SkinEngine& skins, QPlainTextEdit& editor) : m_skins{skins}, m_editor{editor} {}

  std::int32_t FontColor() const { return m_fontColor; }

  void ApplySkin(std::int32_t skinNumber) override;
  void ApplyTransparency(std::int32_t skinSlider) override;
  void ApplyEffects(bool effects) override;
  void SetEditorBackgroundColor(std::int32_t color) override;
  void ApplyEditorFont(const EditorProperties& font) override;
  EditorProperties EditorFont() const override;
  void SetWordWrap(bool wordWrap) override;

 private:
  SkinEngine& m_skins;
  QPlainTextEdit& m_editor;
  std::int32_t m_fontColor{0};
};

}  // namespace tabulex
