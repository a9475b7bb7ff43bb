#include "window/qt/skin_engine.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>

#include "window/skin_colours.h"
#include "window/skin_transparency.h"

namespace tabulex {
namespace {

class SkinEngineTest : public ::testing::Test {
 protected:
  void TearDown() override {
    m_engine.ApplySkin(0);
    m_engine.ApplyEffects(false);
    m_engine.ApplyTransparency(100);
  }
  SkinEngine m_engine;
};

TEST_F(SkinEngineTest, SkinsColourTheWindowsButLeaveTheEditorsOwnColours) {
  const QPalette plain = QApplication::palette();
  QPlainTextEdit editor;
  QPalette own = editor.palette();
  own.setColor(QPalette::Base, QColor(0x10, 0x20, 0x30));
  own.setColor(QPalette::Text, QColor(0xF0, 0xE0, 0xD0));
  editor.setPalette(own);

  for (const std::int32_t skin : {1, 8, 33}) {
    SCOPED_TRACE(skin);
    m_engine.ApplySkin(skin);
    EXPECT_EQ(m_engine.AttachedSkin(), skin);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window).rgb() & 0xFFFFFF,
              SkinColoursOf(skin)->window);
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(editor.palette().color(QPalette::Base), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(editor.palette().color(QPalette::Text), QColor(0xF0, 0xE0, 0xD0));
  }
  // No skin (and a number out of range) brings back the default look.
  for (const std::int32_t none : {0, 34}) {
    m_engine.ApplySkin(8);
    m_engine.ApplySkin(none);
    EXPECT_EQ(m_engine.AttachedSkin(), 0);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), plain.color(QPalette::Window));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
  }
}

TEST_F(SkinEngineTest, EffectsComeAndGoOverAnySkin) {
  m_engine.ApplySkin(12);
  const QString skinned = qApp->styleSheet();
  m_engine.ApplyEffects(true);
  EXPECT_TRUE(qApp->styleSheet().startsWith(skinned));
  EXPECT_TRUE(qApp->styleSheet().contains("border-radius: 7px"));
  m_engine.ApplyEffects(false);
  EXPECT_EQ(qApp->styleSheet(), skinned);

  m_engine.ApplySkin(0);
  m_engine.ApplyEffects(true);
  EXPECT_FALSE(qApp->styleSheet().isEmpty());
  m_engine.ApplyEffects(false);
  EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

TEST_F(SkinEngineTest, TransparencyReachesOpenWindowsAndLaterDialogs) {
  QWidget window;
  window.show();
  m_engine.ApplyTransparency(26);
  const double opacity = WindowOpacity(SkinAlpha(26));
  EXPECT_NEAR(window.windowOpacity(), opacity, 0.01);

  QDialog dialog(&window);
  dialog.show();
  EXPECT_NEAR(dialog.windowOpacity(), opacity, 0.01);

  m_engine.ApplyTransparency(100);  // the default
  EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
  EXPECT_DOUBLE_EQ(dialog.windowOpacity(), 1.0);
  m_engine.ApplyTransparency(1);  // the slider's lowest position
  EXPECT_NEAR(window.windowOpacity(), kMinimumWindowOpacity, 0.02);
  m_engine.ApplyTransparency(0);  // what a reset applies: no transparency
  EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
}

}  // namespace
}  // namespace tabulex
