#include "window/qt/editor_font_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <optional>

#include "engine/gbk_text.h"
#include "window/qt/colour_button.h"

namespace tabulex {
namespace {

// Runs action while answer handles the modal dialog it opens.
void WithModal(const std::function<void()>& action, const std::function<void(QWidget*)>& answer) {
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) answer(modal);
  });
  timer.start(10);
  action();
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
