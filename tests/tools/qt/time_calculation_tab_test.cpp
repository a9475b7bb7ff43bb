#include "tools/qt/time_calculation_tab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "support/widget_child.h"

namespace tabulex {
namespace {

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

void DoubleClick(QWidget* widget) {
  const QPointF at(2, 2);
  QMouseEvent event(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// 2024-02-10, a Saturday and the lunar new year, stands for today.
constexpr CivilDate kToday{2024, 2, 10};

TEST(TimeCalculationTab, OpensOnTodayInEverySection) {
  const TimeCalculationTab tab(kToday, nullptr);
  EXPECT_EQ(Child<QLineEdit>(tab, "spanFrom")->text(), "2024-02-10");
  EXPECT_EQ(Child<QLineEdit>(tab, "spanResult")->text(), Utf8("相差 0 天（0周0天），工作日 0 天"));
  EXPECT_EQ(Child<QLineEdit>(tab, "shiftResult")->text(), Utf8("2024-05-20 星期一"));
  EXPECT_EQ(Child<QLineEdit>(tab, "infoResult")->text(),
            Utf8("2024-02-10 星期六 甲辰年 (龙) 正月初一"));
  EXPECT_EQ(Child<QLineEdit>(tab, "infoYear")->text(), Utf8("本年第41天，2024年第6周"));
  EXPECT_EQ(Child<QSpinBox>(tab, "lunarYear")->value(), 2024);
  EXPECT_EQ(Child<QLabel>(tab, "lunarYearName")->text(), Utf8("甲辰年 (龙)"));
  EXPECT_EQ(Child<QLineEdit>(tab, "lunarResult")->text(), Utf8("2024-02-10 星期六"));
  EXPECT_EQ(Child<QLineEdit>(tab, "durationResult")->text(), "0:00:00");
}

TEST(TimeCalculationTab, RecomputesAsTheInputsChange) {
  const TimeCalculationTab tab(kToday, nullptr);
  Child<QLineEdit>(tab, "spanTo")->setText("2024-02-20");
  EXPECT_EQ(Child<QLineEdit>(tab, "spanResult")->text(), Utf8("相差 10 天（1周3天），工作日 6 天"));

  Child<QLineEdit>(tab, "shiftDays")->setText("-41");
  EXPECT_EQ(Child<QLineEdit>(tab, "shiftResult")->text(), Utf8("2023-12-31 星期日"));

  auto* infoDate = Child<QLineEdit>(tab, "infoDate");
  infoDate->setText(Utf8("2024年2月4日"));
  EXPECT_EQ(Child<QLineEdit>(tab, "infoResult")->text(),
            Utf8("2024-02-04 星期日 癸卯年 (兔) 腊月廿五 立春"));
  infoDate->setText("2021-01-03");
  EXPECT_EQ(Child<QLineEdit>(tab, "infoYear")->text(), Utf8("本年第3天，2020年第53周"));

  Child<QSpinBox>(tab, "lunarYear")->setValue(2023);
  Child<QComboBox>(tab, "lunarMonth")->setCurrentIndex(1);
  Child<QCheckBox>(tab, "lunarLeap")->setChecked(true);
  EXPECT_EQ(Child<QLabel>(tab, "lunarYearName")->text(), Utf8("癸卯年 (兔)"));
  EXPECT_EQ(Child<QLineEdit>(tab, "lunarResult")->text(), Utf8("2023-03-22 星期三"));

  Child<QPlainTextEdit>(tab, "durationInput")->setPlainText("1:30:20\n-0:45\n\n0:0:30\n");
  EXPECT_EQ(Child<QLineEdit>(tab, "durationResult")->text(), "0:45:50");
}

// A date that does not exist is said so where the result would be; nothing is guessed.
TEST(TimeCalculationTab, ShowsWhyADateDoesNotExist) {
  const TimeCalculationTab tab(kToday, nullptr);
  const QString february30 = Utf8("日期无效：2024年2月没有30日");
  Child<QLineEdit>(tab, "spanFrom")->setText("2024-02-30");
  EXPECT_EQ(Child<QLineEdit>(tab, "spanResult")->text(), february30);
  Child<QLineEdit>(tab, "shiftDate")->setText("2024-02-30");
  EXPECT_EQ(Child<QLineEdit>(tab, "shiftResult")->text(), february30);
  Child<QLineEdit>(tab, "infoDate")->setText("2024-02-30");
  EXPECT_EQ(Child<QLineEdit>(tab, "infoResult")->text(), february30);
  EXPECT_EQ(Child<QLineEdit>(tab, "infoYear")->text(), "");

  Child<QCheckBox>(tab, "lunarLeap")->setChecked(true);
  EXPECT_EQ(Child<QLineEdit>(tab, "lunarResult")->text(), Utf8("农历2024年（甲辰年）没有闰正月"));
  Child<QCheckBox>(tab, "lunarLeap")->setChecked(false);
  Child<QComboBox>(tab, "lunarDay")->setCurrentIndex(29);
  EXPECT_EQ(Child<QLineEdit>(tab, "lunarResult")->text(), Utf8("农历2024年（甲辰年）正月没有三十"));

  Child<QPlainTextEdit>(tab, "durationInput")->setPlainText("1:00\n1:75");
  EXPECT_EQ(Child<QLineEdit>(tab, "durationResult")->text(), Utf8("第2行：分钟应在0至59之间"));
}

TEST(TimeCalculationTab, DoubleClickClearsAnInput) {
  const TimeCalculationTab tab(kToday, nullptr);
  auto* infoDate = Child<QLineEdit>(tab, "infoDate");
  DoubleClick(infoDate);
  EXPECT_EQ(infoDate->text(), "");
  EXPECT_EQ(Child<QLineEdit>(tab, "infoResult")->text(), Utf8("请输入日期"));

  auto* durations = Child<QPlainTextEdit>(tab, "durationInput");
  durations->setPlainText("2:00");
  DoubleClick(durations->viewport());
  EXPECT_EQ(durations->toPlainText(), "");
  EXPECT_EQ(Child<QLineEdit>(tab, "durationResult")->text(), "0:00:00");
}

}  // namespace
}  // namespace tabulex
