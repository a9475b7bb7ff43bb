#include "window/qt/app_icon.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPixmap>

namespace tabulex {
namespace {

// The icon's PNGs are a resource of a static library: one that is not linked in leaves every
// window, the tray and the about window without an icon.
TEST(AppIcon, EverySizeTheDesktopAsksForIsDrawnAtThatSize) {
  for (const int size : {16, 32, 48, 256}) {
    SCOPED_TRACE(size);
    const QImage image = TabulexIcon().pixmap(size, size).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    // The upper bar of the "=" sign, pixel-aligned at every size.
    EXPECT_EQ(image.pixelColor(size / 2, size * 9 / 16), QColor(0xf0, 0xa0, 0x30));
  }
}

}  // namespace
}  // namespace tabulex
