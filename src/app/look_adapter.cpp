#include "app/look_adapter.h"

#include <QPlainTextEdit>

#include "window/qt/editor_look.h"
#include "window/qt/skin_engine.h"

namespace tabulex {

void LookAdapter::ApplySkin(std::int32_t skinNumber) {
  m_skins.ApplySkin(skinNumber);
}

void LookAdapter::ApplyTransparency(std::int32_t skinSlider) {
  m_skins.ApplyTransparency(skinSlider);
}

void LookAdapter::ApplyEffects(bool effects) {
  m_skins.ApplyEffects(effects);
}

void LookAdapter::SetEditorBackgroundColor(std::int32_t color) {
  QPalette palette = m_editor.palette();
  palette.setColor(QPalette::Base, ColourOfBgr(color));
  m_editor.setPalette(palette);
}

void LookAdapter::ApplyEditorFont(const EditorProperties& properties) {
  m_editor.setFont(FontOf(properties));
  m_fontColor = properties.fontColor;
  QPalette palette = m_editor.palette();
  palette.setColor(QPalette::Text, ColourOfBgr(properties.fontColor));
  m_editor.setPalette(palette);
}

EditorProperties LookAdapter::EditorFont() const {
  return PropertiesOf(m_editor.font(), m_fontColor);
}

void LookAdapter::SetWordWrap(bool wordWrap) {
  m_editor.setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  m_editor.setHorizontalScrollBarPolicy(wordWrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

}  // namespace tabulex
