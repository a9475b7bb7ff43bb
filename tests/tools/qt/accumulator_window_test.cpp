#include "tools/qt/accumulator_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include <optional>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

struct Choice {
  std::vector<int> serials;
  AccumulatorOperation operation;
};

// A fresh window over four entries, recording what it reports.
class AccumulatorWindowTest : public ::testing::Test {
 protected:
  AccumulatorWindowTest() {
    const AccumulatorList entries = {
        {1, "1+2 ", "3"}, {2, Utf8ToGbk("3×4 "), "12"}, {3, "", "5"}, {4, "7-1 ", "6"}};
    window = new AccumulatorWindow(entries, nullptr);
    QObject::connect(window, &AccumulatorWindow::combinationChosen, window,
                     [this](const std::vector<int>& serials, AccumulatorOperation operation) {
                       chosen = Choice{serials, operation};
                     });
    window->show();
  }
  ~AccumulatorWindowTest() override { delete window; }

  QListWidget* List(const char* name) const { return window->findChild<QListWidget*>(name); }
  QPushButton* Button(const char* caption) const {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      if (button->text() == QString::fromUtf8(caption)) return button;
    }
    ADD_FAILURE() << "no button " << caption;
    return nullptr;
  }
  static QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
  }
  static QStringList Utf8List(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) list << QString::fromUtf8(text);
    return list;
  }
  void Select(const char* name, std::initializer_list<int> rows) const {
    for (const int row : rows) List(name)->item(row)->setSelected(true);
  }

  QPointer<AccumulatorWindow> window;
  std::optional<Choice> chosen;
};

TEST_F(AccumulatorWindowTest, ShowsTitleControlsAndTheEntries) {
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("累加器"));
  for (const char* caption : {">", ">>", "<", "<<", "确定", "取消"}) Button(caption);
  const auto* operation = window->findChild<QComboBox*>();
  ASSERT_NE(operation, nullptr);
  QStringList operations;
  for (int i = 0; i < operation->count(); ++i) operations << operation->itemText(i);
  EXPECT_EQ(operations, Utf8List({"求和", "相乘", "平均", "最大值", "最小值"}));
  EXPECT_EQ(operation->currentText(), QString::fromUtf8("求和"));
  EXPECT_EQ(Texts(List("left")), Utf8List({"1+2=3", "3×4=12", "5", "7-1=6"}));
  EXPECT_EQ(List("right")->count(), 0);
  EXPECT_EQ(List("left")->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(AccumulatorWindowTest, MovesSelectedItemsInListOrderAndAllOnRelease) {
  Select("left", {3, 1});
  Button(">")->click();
  EXPECT_EQ(Texts(List("right")), Utf8List({"3×4=12", "7-1=6"}));
  EXPECT_EQ(Texts(List("left")), Utf8List({"1+2=3", "5"}));

  Select("right", {0});
  Button("<")->click();
  EXPECT_EQ(Texts(List("left")), Utf8List({"1+2=3", "5", "3×4=12"}));

  // A double-click moves like ">" and "<".
  Select("left", {1});
  emit List("left")->itemDoubleClicked(List("left")->item(1));
  EXPECT_EQ(Texts(List("right")), Utf8List({"7-1=6", "5"}));
  Select("right", {1});
  emit List("right")->itemDoubleClicked(List("right")->item(1));
  EXPECT_EQ(Texts(List("left")), Utf8List({"1+2=3", "3×4=12", "5"}));

  emit Button(">>")->released();
  EXPECT_EQ(Texts(List("right")), Utf8List({"7-1=6", "1+2=3", "3×4=12", "5"}));
  EXPECT_EQ(List("left")->count(), 0);
  emit Button("<<")->released();
  EXPECT_EQ(List("right")->count(), 0);
  EXPECT_EQ(List("left")->count(), 4);
}

TEST_F(AccumulatorWindowTest, OkWithAnEmptyRightListDoesNothing) {
  Button("确定")->click();
  EXPECT_FALSE(chosen);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(AccumulatorWindowTest, OkReportsTheRightListsSerialsAndTheOperationThenCloses) {
  Select("left", {3});
  Button(">")->click();
  Select("left", {0, 2});
  Button(">")->click();
  window->findChild<QComboBox*>()->setCurrentIndex(2);
  Button("确定")->click();
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->serials, (std::vector<int>{4, 1, 3}));
  EXPECT_EQ(chosen->operation, AccumulatorOperation::Average);
  EXPECT_FALSE(window->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace tabulex
