#include "window/qt/editor_look.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

// What the configuration file stores comes back from the font the editor is given.
TEST(EditorLook, PropertiesComeBackFromTheirFont) {
  EditorProperties stored;
  stored.fontName = Utf8ToGbk("楷体");
  stored.fontSize = 23;
  stored.fontBold = true;
  stored.fontUnderline = true;
  stored.fontColor = 0x00336699;
  const EditorProperties back = PropertiesOf(FontOf(stored), stored.fontColor);
  EXPECT_EQ(GbkToUtf8(back.fontName), "楷体");
  EXPECT_EQ(back.fontSize, 23);
  EXPECT_TRUE(back.fontBold);
  EXPECT_FALSE(back.fontItalic);
  EXPECT_FALSE(back.fontStrikeOut);
  EXPECT_TRUE(back.fontUnderline);
  EXPECT_EQ(back.fontColor, 0x00336699);
}

TEST(EditorLook, ColoursAreStoredBlueGreenRed) {
  EXPECT_EQ(ColourOfBgr(0x00336699), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(BgrOfColour(QColor(0x99, 0x66, 0x33)), 0x00336699);
  EditorProperties none;
  none.fontSize = 0;
  EXPECT_EQ(FontOf(none).pointSize(), 1) << "a size below 1 point becomes 1";
}

}  // namespace
}  // namespace tabulex
