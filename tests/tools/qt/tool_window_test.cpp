#include "tools/qt/tool_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "support/widget_child.h"
#include "tools/qt/statistics_chart.h"

namespace tabulex {
namespace {

void Type(QWidget* widget, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
}

void DoubleClick(QWidget* widget) {
  const QPointF at(2, 2);
  QMouseEvent event(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

const QString kTemplate = QString::fromUtf8(
    "样品数量：\n最小值：\n最大值：\n范围值：\n总和：\n平均值：\n方差值：\n标准偏差值：\n标准误差："
    "\n"
    "总数值：");

TEST(ToolWindow, OpensOnTheRequestedTab) {
  ToolWindow window(1, nullptr);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("辅助分析"));
  const auto* tabs = window.findChild<QTabWidget*>();
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 4);
  EXPECT_EQ(tabs->tabText(0), QString::fromUtf8("进制转换"));
  EXPECT_EQ(tabs->tabText(1), QString::fromUtf8("统计分析"));
  EXPECT_EQ(tabs->tabText(2), QString::fromUtf8("单位转换"));
  EXPECT_EQ(tabs->tabText(3), QString::fromUtf8("时间计算"));
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_EQ(ToolWindow(0, nullptr).findChild<QTabWidget*>()->currentIndex(), 0);
}

TEST(ToolWindow, ConvertsAsTheUserTypesAndChoosesBases) {
  ToolWindow window(0, nullptr);
  auto* input = Child<QLineEdit>(window, "baseInput");
  auto* source = Child<QComboBox>(window, "sourceBase");
  auto* target = Child<QComboBox>(window, "targetBase");
  auto* result = Child<QLineEdit>(window, "baseResult");
  ASSERT_TRUE(input && source && target && result);
  EXPECT_EQ(source->count(), 35);
  EXPECT_EQ(source->currentText(), "10");
  EXPECT_EQ(target->currentText(), "16");

  // Space and Enter never reach the box.
  Type(input, Qt::Key_2, "2");
  Type(input, Qt::Key_Space, " ");
  Type(input, Qt::Key_5, "5");
  Type(input, Qt::Key_Return, "\r");
  Type(input, Qt::Key_5, "5");
  EXPECT_EQ(input->text(), "255");
  EXPECT_EQ(result->text(), "FF");

  target->setCurrentText("2");
  EXPECT_EQ(result->text(), "11111111");
  source->setCurrentText("8");
  EXPECT_EQ(result->text(), "10101101");
  input->setText(QString::fromUtf8("１９"));
  EXPECT_EQ(result->text(), QString::fromUtf8("参数错误！"));

  // A double-click clears both boxes and converts the empty input.
  DoubleClick(input);
  EXPECT_EQ(input->text(), "");
  EXPECT_EQ(result->text(), "0");
  DoubleClick(input);
  EXPECT_EQ(result->text(), "0");
  target->setCurrentText("8");
  DoubleClick(input);
  EXPECT_EQ(result->text(), "");
}

TEST(ToolWindow, RecomputesStatisticsOnEveryChange) {
  ToolWindow window(1, nullptr);
  auto* input = Child<QPlainTextEdit>(window, "statisticsInput");
  auto* output = Child<QLabel>(window, "statisticsOutput");
  ASSERT_TRUE(input && output);
  EXPECT_EQ(output->text(), kTemplate);

  input->setPlainText("1\n2\n3\n4\n");
  EXPECT_TRUE(output->text().startsWith(QString::fromUtf8("样品数量：4\n最小值：1\n")));
  EXPECT_TRUE(output->text().endsWith(QString::fromUtf8("\n总数值：2.5")));
  Type(input, Qt::Key_Space, " ");
  EXPECT_EQ(input->toPlainText(), "1\n2\n3\n4\n");

  DoubleClick(input->viewport());
  EXPECT_EQ(input->toPlainText(), "");
  EXPECT_EQ(output->text(), kTemplate);
}

TEST(ToolWindow, ChartFollowsTheInputAsTheUserTypes) {
  ToolWindow window(1, nullptr);
  auto* input = Child<QPlainTextEdit>(window, "statisticsInput");
  auto* chart = Child<StatisticsChart>(window, "statisticsChart");
  ASSERT_TRUE(input && chart);
  EXPECT_TRUE(chart->isHidden());

  // One sample, and a line break after it, make no chart; the second sample does.
  Type(input, Qt::Key_1, "1");
  EXPECT_TRUE(chart->isHidden());
  Type(input, Qt::Key_Return, "\r");
  EXPECT_TRUE(chart->isHidden());
  Type(input, Qt::Key_3, "3");
  EXPECT_FALSE(chart->isHidden());
  ASSERT_TRUE(chart->chart().has_value());
  EXPECT_EQ(chart->chart()->summary.median, 2);
  Type(input, Qt::Key_5, "5");
  EXPECT_EQ(chart->chart()->summary.median, 18);
  Type(input, Qt::Key_Backspace);
  Type(input, Qt::Key_Backspace);
  EXPECT_EQ(input->toPlainText(), "1\n");
  EXPECT_TRUE(chart->isHidden());

  input->setPlainText("1\n2\n3\n4\n");
  EXPECT_FALSE(chart->isHidden());
  DoubleClick(input->viewport());
  EXPECT_TRUE(chart->isHidden());
}

struct ChartCase {
  const char* input;
  bool shown;
  double median;  // the box's, where it is shown
};

TEST(ToolWindow, ChartNeedsTwoFiniteSamples) {
  const ChartCase cases[] = {
      {"5", false, 0},
      {"5\n7", true, 6},
      // A line without a number is a sample of 0, as in the figures.
      {"5\nx", true, 2.5},
      // Infinite samples are left out of the chart.
      {"5\n1e999", false, 0},
      {"5\n7\n-1e999", true, 6},
      {"", false, 0},
  };
  ToolWindow window(1, nullptr);
  auto* input = Child<QPlainTextEdit>(window, "statisticsInput");
  auto* chart = Child<StatisticsChart>(window, "statisticsChart");
  ASSERT_TRUE(input && chart);
  for (const ChartCase& c : cases) {
    SCOPED_TRACE(c.input);
    input->setPlainText(QString::fromUtf8(c.input));
    EXPECT_EQ(!chart->isHidden(), c.shown);
    if (c.shown) {
      ASSERT_TRUE(chart->chart().has_value());
      EXPECT_EQ(chart->chart()->summary.median, c.median);
    }
  }
}

}  // namespace
}  // namespace tabulex
