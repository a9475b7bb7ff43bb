#include "help/qt/help_window.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextBrowser>

namespace tabulex {
namespace {

QString PlainHelpText(const HelpWindow& window) {
  return window.findChild<QTextBrowser*>(QStringLiteral("helpText"))->toPlainText();
}

TEST(HelpWindowTest, ShowsEverySectionOfTheHelpText) {
  HelpWindow window(nullptr);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("帮助"));
  EXPECT_TRUE(window.isModal());
  const QString text = PlainHelpText(window);
  for (const char* heading :
       {"输入与计算", "输入助手", "分数", "函数", "快捷键", "辅助工具", "文件"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(heading))) << heading;
  }
  for (const char* mention : {"Ctrl+Enter", "tjfx(k,x1,x2,…)", "2∟1∟4", "F7", "GBK"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(mention))) << mention;
  }
  EXPECT_TRUE(window.findChild<QTextBrowser*>()->isReadOnly());
}

TEST(HelpWindowTest, NamesAllTwentyOneFunctions) {
  HelpWindow window(nullptr);
  const QString text = PlainHelpText(window);
  for (const char* name :
       {"sin", "cos", "tan", "asin", "acos", "atan", "sinh", "cosh", "tanh", "sqr",  "abs",
        "int", "exp", "ln",  "lg",   "log(", "sum(", "max(", "min(", "if(",  "tjfx("}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(name))) << name;
  }
}

TEST(HelpWindowTest, OpensAtTheAskedSection) {
  HelpWindow top(nullptr);
  HelpWindow shortcuts(nullptr, HelpSection::Shortcuts);
  top.show();
  shortcuts.show();
  EXPECT_EQ(top.findChild<QTextBrowser*>()->verticalScrollBar()->value(), 0);
  EXPECT_GT(shortcuts.findChild<QTextBrowser*>()->verticalScrollBar()->value(), 0);
}

}  // namespace
}  // namespace tabulex
