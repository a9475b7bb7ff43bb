#include "window/qt/app_icon.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>

namespace tabulex {
namespace {

// Drawn on a 48-unit grid and scaled, so that every size shows the same picture.
QPixmap CalculatorPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 48.0, size / 48.0);

  painter.setPen(QPen(QColor(0x1f, 0x3d, 0x5c), 2));
  painter.setBrush(QColor(0x35, 0x60, 0x8f));
  painter.drawRoundedRect(QRectF(5, 2, 38, 44), 6, 6);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xdf, 0xf0, 0xd8));
  painter.drawRoundedRect(QRectF(10, 7, 28, 10), 2, 2);

  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const bool equals = row == 2 && column == 2;
      painter.setBrush(equals ? QColor(0xf0, 0xa0, 0x30) : QColor(0xf4, 0xf6, 0xf8));
      painter.drawRoundedRect(QRectF(10 + column * 10.5, 21 + row * 8, 7.5, 6), 1.5, 1.5);
    }
  }
  return pixmap;
}

}  // namespace

QIcon TabulexIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) icon.addPixmap(CalculatorPixmap(size));
  return icon;
}

}  // namespace tabulex
