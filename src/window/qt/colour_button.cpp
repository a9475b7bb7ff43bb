#include "window/qt/colour_button.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

#include "window/qt/editor_look.h"

namespace tabulex {

ColourButton::ColourButton(const QString& caption, std::int32_t colour, QWidget* parent)
    : QPushButton(caption, parent) {
  setAutoDefault(false);
  setIconSize(QSize(24, 14));
  SetColour(colour);
  connect(this, &QPushButton::clicked, this, &ColourButton::Choose);
}

void ColourButton::SetColour(std::int32_t colour) {
  // Only the three colour bytes count; a hand-edited high byte is dropped here.
  m_colour = colour & 0xFFFFFF;
  // A swatch icon rather than a style sheet, so that no skin repaints it.
  QPixmap swatch(iconSize());
  swatch.fill(ColourOfBgr(m_colour));
  QPainter painter(&swatch);
  painter.setPen(Qt::gray);
  painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
  painter.end();
  setIcon(QIcon(swatch));
}

void ColourButton::Choose() {
  const QColor chosen = QColorDialog::getColor(ColourOfBgr(m_colour), this, text());
  if (chosen.isValid()) SetColour(BgrOfColour(chosen));
}

}  // namespace tabulex
