#include "window/qt/editor_look.h"
#include "engine/qt/gbk_qstring.h"

#include <algorithm>

namespace tabulex {

QColor ColourOfBgr(std::int32_t bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::int32_t BgrOfColour(const QColor& colour) {
  return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

QFont FontOf(const EditorProperties& properties) {
  QFont font(GbkToQString(properties.fontName));
  font.setPointSize(std::max(1, properties.fontSize));
  font.setBold(properties.fontBold);
  font.setItalic(properties.fontItalic);
  font.setStrikeOut(properties.fontStrikeOut);
  font.setUnderline(properties.fontUnderline);
  return font;
}

EditorProperties PropertiesOf(const QFont& font, std::int32_t fontColor) {
  EditorProperties properties;
  properties.fontBold = font.bold();
  properties.fontItalic = font.italic();
  properties.fontStrikeOut = font.strikeOut();
  properties.fontUnderline = font.underline();
  properties.fontName = QStringToGbk(font.family());
  properties.fontColor = fontColor;
  properties.fontSize = font.pointSize();
  return properties;
}

}  // namespace tabulex
