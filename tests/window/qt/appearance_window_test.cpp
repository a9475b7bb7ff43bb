#include "window/qt/appearance_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QSlider>

#include <functional>

#include "support/recording_skin_port.h"
#include "support/recording_store.h"
#include "support/widget_child.h"
#include "window/qt/colour_button.h"

namespace tabulex {
namespace {

void Click(const QWidget& window, const char* name) {
  if (auto* button = Child<QPushButton>(window, name)) button->click();
}

class AppearanceWindowTest : public ::testing::Test {
 protected:
  AppearanceWindowTest() {
    m_settings.skinNumber = 32;
    m_settings.skinEffects = true;
    m_settings.skinSlider = 100;
    m_settings.backgroundColor = 0x00FFFFFF;
  }

  EventLog m_log;
  RecordingStore m_store{m_log};
  RecordingSkinPort m_skins{m_log};
  CalcSettings m_settings;
};

TEST_F(AppearanceWindowTest, OpensWithTheStoredLook) {
  AppearanceWindow window(m_settings, m_store, m_skins, 0x000000FF, nullptr);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("外观设置"));
  EXPECT_EQ(m_log, (EventLog{"ApplySkin 32", "ApplyEffects true", "ApplyTransparency 51"}));
  const auto* slider = Child<QSlider>(window, "transparency");
  EXPECT_EQ(slider->minimum(), 1);
  EXPECT_EQ(slider->maximum(), 51);
  EXPECT_EQ(slider->value(), 51);
  EXPECT_EQ(Child<ColourButton>(window, "fontColor")->Colour(), 0x000000FF);
  EXPECT_EQ(Child<ColourButton>(window, "fontColor")->text(), QString::fromUtf8("字体颜色"));
  EXPECT_EQ(Child<ColourButton>(window, "backgroundColor")->Colour(), 0x00FFFFFF);
  EXPECT_EQ(Child<ColourButton>(window, "backgroundColor")->text(), QString::fromUtf8("背景颜色"));
  for (const auto& [name, caption] :
       {std::pair{"previousSkin", "上一个皮肤"}, std::pair{"nextSkin", "下一个皮肤"},
        std::pair{"ok", "确定"}, std::pair{"cancel", "取消"}}) {
    EXPECT_EQ(Child<QPushButton>(window, name)->text(), QString::fromUtf8(caption)) << name;
  }

  // The effects caption is chosen on opening and stays.
  auto* effects = Child<QPushButton>(window, "effects");
  EXPECT_EQ(effects->text(), QString::fromUtf8("关闭特效"));
  effects->click();
  EXPECT_EQ(effects->text(), QString::fromUtf8("关闭特效"));
  m_settings.skinEffects = false;
  AppearanceWindow off(m_settings, m_store, m_skins, 0, nullptr);
  EXPECT_EQ(Child<QPushButton>(off, "effects")->text(), QString::fromUtf8("打开特效"));
}

TEST_F(AppearanceWindowTest, OkTakesEverythingThenWritesTheFourKeysInOrder) {
  AppearanceWindow window(m_settings, m_store, m_skins, 0, nullptr);
  QObject::connect(
      &window, &AppearanceWindow::ColoursChosen,
      [this](std::int32_t font, std::int32_t background) {
        m_log.push_back("ColoursChosen " + std::to_string(font) + " " + std::to_string(background));
      });
  m_log.clear();
  Child<ColourButton>(window, "fontColor")->SetColour(0x00112233);
  Child<ColourButton>(window, "backgroundColor")->SetColour(0x00C0FFEE);
  Click(window, "nextSkin");
  Click(window, "nextSkin");
  Click(window, "effects");
  Child<QSlider>(window, "transparency")->setValue(20);
  Click(window, "ok");

  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(
      m_log,
      (EventLog{"ApplySkin 33", "ApplySkin 1", "ApplyEffects false", "ApplyTransparency 20",
                "ColoursChosen " + std::to_string(0x00112233) + " " + std::to_string(0x00C0FFEE),
                "运行设置/背景颜色=" + std::to_string(0x00C0FFEE), "运行设置/软件皮肤=1",
                "运行设置/皮肤滑块条=20", "运行设置/加载特效=假"}));
  EXPECT_EQ(m_settings.skinNumber, 1);
  EXPECT_FALSE(m_settings.skinEffects);
  EXPECT_EQ(m_settings.skinSlider, 20);
  EXPECT_EQ(m_settings.backgroundColor, 0x00C0FFEE);
}

TEST_F(AppearanceWindowTest, CancelEscAndCloseRestoreTheStoredLookAndChangeNothing) {
  const std::vector<std::pair<const char*, std::function<void(AppearanceWindow&)>>> ways = {
      {"cancel", [](AppearanceWindow& w) { Click(w, "cancel"); }},
      {"Esc",
       [](AppearanceWindow& w) {
         QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
         QApplication::sendEvent(&w, &escape);
       }},
      {"close box", [](AppearanceWindow& w) { w.close(); }},
  };
  for (const auto& [name, close] : ways) {
    SCOPED_TRACE(name);
    AppearanceWindow window(m_settings, m_store, m_skins, 0, nullptr);
    bool coloursChosen = false;
    QObject::connect(&window, &AppearanceWindow::ColoursChosen,
                     [&coloursChosen] { coloursChosen = true; });
    window.show();
    Child<ColourButton>(window, "backgroundColor")->SetColour(0x00000000);
    Click(window, "nextSkin");
    Click(window, "previousSkin");
    Click(window, "previousSkin");
    Child<QSlider>(window, "transparency")->setValue(7);
    m_log.clear();
    close(window);
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(m_log, (EventLog{"ApplySkin 32", "ApplyEffects true", "ApplyTransparency 100"}));
    EXPECT_FALSE(coloursChosen);
    EXPECT_EQ(m_settings.backgroundColor, 0x00FFFFFF);
    EXPECT_EQ(m_settings.skinNumber, 32);
  }
}

}  // namespace
}  // namespace tabulex
