#include "tools/qt/unit_conversion_tab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "support/widget_child.h"

namespace tabulex {
namespace {

void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

void DoubleClick(QWidget* widget) {
  const QPointF at(2, 2);
  QMouseEvent event(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

class UnitConversionTabTest : public ::testing::Test {
 protected:
  UnitConversionTab m_tab;
  QComboBox* m_category{Child<QComboBox>(m_tab, "unitCategory")};
  QLineEdit* m_value{Child<QLineEdit>(m_tab, "unitValue")};
  QComboBox* m_from{Child<QComboBox>(m_tab, "fromUnit")};
  QComboBox* m_to{Child<QComboBox>(m_tab, "toUnit")};
  QLineEdit* m_result{Child<QLineEdit>(m_tab, "unitResult")};
  QPlainTextEdit* m_values{Child<QPlainTextEdit>(m_tab, "unitValues")};
};

TEST_F(UnitConversionTabTest, StartsWithLengthFromMetreToKilometre) {
  ASSERT_EQ(m_category->count(), 12);
  EXPECT_EQ(m_category->itemText(0), QString::fromUtf8("长度"));
  EXPECT_EQ(m_category->itemText(11), QString::fromUtf8("角度"));
  EXPECT_EQ(m_category->currentText(), QString::fromUtf8("长度"));
  EXPECT_EQ(m_from->currentText(), QString::fromUtf8("米 m"));
  EXPECT_EQ(m_to->currentText(), QString::fromUtf8("千米 km"));
  EXPECT_TRUE(m_result->isReadOnly());
  EXPECT_TRUE(m_values->isReadOnly());
  EXPECT_EQ(m_result->text(), "");
}

TEST_F(UnitConversionTabTest, ConvertsLiveAsValueUnitsAndCategoryChange) {
  Type(m_value, "15");
  EXPECT_EQ(m_result->text(), "0.015");
  Type(m_value, "00");
  EXPECT_EQ(m_result->text(), "1.5");
  const QStringList lines = m_values->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), m_from->count());
  EXPECT_EQ(lines[0], QString::fromUtf8("1500 米 m"));
  EXPECT_EQ(lines[1], QString::fromUtf8("1.5 千米 km"));
  EXPECT_EQ(lines[7], QString::fromUtf8("3 里"));

  m_to->setCurrentText(QString::fromUtf8("里"));
  EXPECT_EQ(m_result->text(), "3");
  m_from->setCurrentText(QString::fromUtf8("尺"));
  EXPECT_EQ(m_result->text(), "1");
  EXPECT_EQ(m_values->toPlainText().split('\n')[0], QString::fromUtf8("500 米 m"));

  // The units follow the category; the value stays and is converted again.
  m_category->setCurrentText(QString::fromUtf8("温度"));
  EXPECT_EQ(m_from->currentText(), QString::fromUtf8("摄氏度 °C"));
  EXPECT_EQ(m_to->currentText(), QString::fromUtf8("华氏度 °F"));
  EXPECT_EQ(m_from->count(), 3);
  EXPECT_EQ(m_result->text(), "2732");
  m_value->setText(QString::fromUtf8("－４０"));
  EXPECT_EQ(m_result->text(), "-40");
  m_category->setCurrentText(QString::fromUtf8("面积"));
  m_value->setText("1");
  m_from->setCurrentText(QString::fromUtf8("亩"));
  m_to->setCurrentText(QString::fromUtf8("平方米 m2"));
  EXPECT_EQ(m_result->text(), "666.6666666667");
}

TEST_F(UnitConversionTabTest, ABadValueGivesNoResultAndDoubleClickClears) {
  m_value->setText("2");
  EXPECT_EQ(m_result->text(), "0.002");
  for (const char* bad : {"abc", "1.2.3", "1e", "2 m"}) {
    SCOPED_TRACE(bad);
    m_value->setText(bad);
    EXPECT_EQ(m_result->text(), "");
    EXPECT_EQ(m_values->toPlainText(), "");
  }
  m_value->setText("2");
  DoubleClick(m_value);
  EXPECT_EQ(m_value->text(), "");
  EXPECT_EQ(m_result->text(), "");
  EXPECT_EQ(m_values->toPlainText(), "");
}

}  // namespace
}  // namespace tabulex
