#include "editor/qt/find_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/gbk_text.h"
#include "engine/text_buffer.h"

namespace tabulex {
namespace {

class FindWindowTest : public ::testing::Test {
 protected:
  QLineEdit* SearchBox() { return window.findChild<QLineEdit*>("searchBox"); }
  QLineEdit* ReplacementBox() { return window.findChild<QLineEdit*>("replacementBox"); }
  QCheckBox* CaseOption() { return window.findChild<QCheckBox*>(); }
  QPushButton* Button(const char* caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
      if (button->text() == QString::fromUtf8(caption)) return button;
    }
    ADD_FAILURE() << "no button " << caption;
    return nullptr;
  }

  FindState state{Utf8ToGbk("价格"), true, Utf8ToGbk("old")};
  TextBuffer editor{Utf8ToGbk("价格=1\r\nx+价格")};
  int focusCalls{0};
  FindWindow window{nullptr, state, editor, [this] { ++focusCalls; }};
};

TEST_F(FindWindowTest, ShowsTheCaptionsAndTheStoredState) {
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("查找和替换"));
  QStringList labels;
  for (const QLabel* label : window.findChildren<QLabel*>()) labels << label->text();
  EXPECT_EQ(labels, QStringList({QString::fromUtf8("请输入要查找的文本："),
                                 QString::fromUtf8("请输入要替换的文本：")}));
  EXPECT_EQ(CaseOption()->text(), QString::fromUtf8("英文字母区分大小写"));
  QStringList buttons;
  for (const QPushButton* button : window.findChildren<QPushButton*>()) buttons << button->text();
  EXPECT_EQ(buttons, QStringList({QString::fromUtf8("查找上一个"), QString::fromUtf8("查找下一个"),
                                  QString::fromUtf8("替换"), QString::fromUtf8("替换全部")}));

  EXPECT_EQ(SearchBox()->text(), QString::fromUtf8("价格"));
  EXPECT_EQ(SearchBox()->selectedText(), QString::fromUtf8("价格"));
  EXPECT_TRUE(CaseOption()->isChecked());
  EXPECT_TRUE(ReplacementBox()->text().isEmpty());
}

TEST_F(FindWindowTest, ButtonsNeedASearchText) {
  const char* const captions[] = {"查找上一个", "查找下一个", "替换", "替换全部"};
  SearchBox()->setText("");
  for (const char* caption : captions) EXPECT_FALSE(Button(caption)->isEnabled()) << caption;
  SearchBox()->setText("x");
  for (const char* caption : captions) EXPECT_TRUE(Button(caption)->isEnabled()) << caption;
}

TEST_F(FindWindowTest, FindNextStoresTheSearchAndSelects) {
  SearchBox()->setText("X");
  CaseOption()->setChecked(false);
  ReplacementBox()->setText("y");
  Button("查找下一个")->click();
  EXPECT_EQ(state.searchText, "X");
  EXPECT_FALSE(state.caseOption);
  EXPECT_EQ(state.replacement, Utf8ToGbk("old"));  // only the replace buttons store it
  EXPECT_EQ(editor.Caret(), 8u);
  EXPECT_EQ(editor.SelectionLength(), 1u);
  EXPECT_EQ(focusCalls, 1);
}

TEST_F(FindWindowTest, ReplaceAllStoresTheReplacementAndReplaces) {
  ReplacementBox()->setText("π€");  // the euro sign has no two-byte GBK form
  Button("替换全部")->click();
  EXPECT_EQ(state.replacement, Utf8ToGbk("π?"));
  EXPECT_EQ(editor.Text(), Utf8ToGbk("π?=1\r\nx+π?"));
  EXPECT_EQ(focusCalls, 1);
}

}  // namespace
}  // namespace tabulex
