#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QKeyEvent>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <functional>

#include "support/recording_skin_port.h"
#include "support/recording_store.h"
#include "support/widget_child.h"
#include "window/qt/appearance_window.h"
#include "window/qt/colour_button.h"
#include "window/qt/editor_font_dialog.h"
#include "window/qt/skin_engine.h"
#include "window/skin_colours.h"
#include "window/skin_transparency.h"

namespace tabulex {
namespace {

void Click(const QWidget& window, const char* name) {
  if (auto* button = Child<QPushButton>(window, name)) button->click();
}

// Runs action while answer handles the modal dialog it opens.
void WithModal(const std::function<void()>& action, const std::function<void(QWidget*)>& answer) {
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) answer(modal);
  });
  timer.start(10);
  action();
}

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

TEST(EditorFontDialog, OkAloneKeepsTheEditorsFontEvenWhereTheDialogShowsAnother) {
  // An installed family, names fontconfig substitutes, and one nobody has.
  const std::string installed = Utf8ToGbk(QFontDatabase::families().value(0).toStdString());
  for (const std::string& name :
       {installed, std::string("Times New Roman"), Utf8ToGbk("楷体"), std::string("NoSuchFont")}) {
    SCOPED_TRACE(GbkToUtf8(name));
    EditorProperties current;
    current.fontName = name;
    current.fontBold = true;
    current.fontItalic = true;
    current.fontStrikeOut = true;
    current.fontUnderline = true;
    current.fontSize = 17;
    current.fontColor = 0x00123456;
    EditorFontDialog dialog(current, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("字体"));
    const EditorProperties chosen = dialog.Chosen();
    EXPECT_EQ(chosen.fontName, current.fontName);
    EXPECT_TRUE(chosen.fontBold);
    EXPECT_TRUE(chosen.fontItalic);
    EXPECT_TRUE(chosen.fontStrikeOut);
    EXPECT_TRUE(chosen.fontUnderline);
    EXPECT_EQ(chosen.fontSize, 17);
    EXPECT_EQ(chosen.fontColor, 0x00123456);
  }
}

TEST(EditorFontDialog, OkGivesTheChoiceAndCancelNothing) {
  EditorProperties current;
  current.fontName = Utf8ToGbk(QFontDatabase::families().value(0).toStdString());
  std::optional<EditorProperties> chosen;
  WithModal([&] { chosen = ChooseEditorFont(current, nullptr); },
            [](QWidget* modal) {
              modal->findChild<ColourButton*>("colour")->SetColour(0x000000FF);
              QFont font = modal->findChild<QFontDialog*>("fonts")->currentFont();
              font.setFamily(QFontDatabase::families().value(1));
              font.setUnderline(true);
              font.setPointSize(21);
              modal->findChild<QFontDialog*>("fonts")->setCurrentFont(font);
              modal->findChild<QPushButton*>("ok")->click();
            });
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->fontColor, 0x000000FF);
  EXPECT_TRUE(chosen->fontUnderline);
  EXPECT_EQ(chosen->fontSize, 21);
  EXPECT_EQ(chosen->fontName, Utf8ToGbk(QFontDatabase::families().value(1).toStdString()));

  WithModal([&] { chosen = ChooseEditorFont(current, nullptr); },
            [](QWidget* modal) {
              modal->findChild<ColourButton*>("colour")->SetColour(0x000000FF);
              modal->findChild<QPushButton*>("cancel")->click();
            });
  EXPECT_FALSE(chosen.has_value());
}

// Esc and Enter typed in the font chooser (its family list has the focus) act for the whole
// window: the chooser, a dialog itself, must not close alone and leave an empty window.
TEST(EditorFontDialog, EscCancelsAndEnterConfirmsTheWholeWindow) {
  const struct {
    Qt::Key key;
    bool chosen;
  } rows[] = {{Qt::Key_Escape, false}, {Qt::Key_Return, true}, {Qt::Key_Enter, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.key);
    std::optional<EditorProperties> chosen;
    int presses = 0;
    WithModal([&] { chosen = ChooseEditorFont(EditorProperties{}, nullptr); },
              [&](QWidget* modal) {
                if (++presses > 1) {
                  ADD_FAILURE() << "the window stayed open";
                  modal->findChild<QPushButton*>("cancel")->click();
                  return;
                }
                QListView* families =
                    modal->findChild<QFontDialog*>("fonts")->findChild<QListView*>();
                ASSERT_NE(families, nullptr);
                QKeyEvent key(QEvent::KeyPress, row.key,
                              row.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
                QApplication::sendEvent(families, &key);
              });
    EXPECT_EQ(chosen.has_value(), row.chosen);
  }
}

}  // namespace
}  // namespace tabulex
