#include "tools/qt/accumulator_window.h"
#include "engine/qt/gbk_qstring.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulex {
namespace {

// Items carry their entry's serial.
constexpr int kSerialRole = Qt::UserRole;

QListWidget* NewList(const QString& name, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setMinimumSize(220, 260);
  return list;
}

}  // namespace

AccumulatorWindow::AccumulatorWindow(const AccumulatorList& entries, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("累加器"));
  setAttribute(Qt::WA_DeleteOnClose);

  m_left = NewList(QStringLiteral("left"), this);
  m_right = NewList(QStringLiteral("right"), this);
  for (const AccumulatorEntry& entry : entries) {
    auto* item = new QListWidgetItem(GbkToQString(AccumulatorItemText(entry)));
    item->setData(kSerialRole, entry.serial);
    m_left->addItem(item);
  }

  auto* moveRight = new QPushButton(QString::fromUtf8(">"), this);
  auto* moveAllRight = new QPushButton(QString::fromUtf8(">>"), this);
  auto* moveLeft = new QPushButton(QString::fromUtf8("<"), this);
  auto* moveAllLeft = new QPushButton(QString::fromUtf8("<<"), this);
  connect(moveRight, &QPushButton::clicked, this, [this] { MoveSelected(m_left, m_right); });
  connect(moveAllRight, &QPushButton::released, this, [this] { MoveAll(m_left, m_right); });
  connect(moveLeft, &QPushButton::clicked, this, [this] { MoveSelected(m_right, m_left); });
  connect(moveAllLeft, &QPushButton::released, this, [this] { MoveAll(m_right, m_left); });
  connect(m_left, &QListWidget::itemDoubleClicked, this, [this] { MoveSelected(m_left, m_right); });
  connect(m_right, &QListWidget::itemDoubleClicked, this,
          [this] { MoveSelected(m_right, m_left); });

  m_operation = new QComboBox(this);
  m_operation->addItems({QString::fromUtf8("求和"), QString::fromUtf8("相乘"),
                         QString::fromUtf8("平均"), QString::fromUtf8("最大值"),
                         QString::fromUtf8("最小值")});
  m_operation->setCurrentIndex(static_cast<int>(AccumulatorOperation::Sum));

  auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
  auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
  connect(ok, &QPushButton::clicked, this, &AccumulatorWindow::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* button : {moveRight, moveAllRight, moveLeft, moveAllLeft}) {
    moves->addWidget(button);
  }
  moves->addStretch();
  auto* lists = new QHBoxLayout;
  lists->addWidget(m_left);
  lists->addLayout(moves);
  lists->addWidget(m_right);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(m_operation);
  bottom->addStretch();
  bottom->addWidget(ok);
  bottom->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addLayout(bottom);
}

void AccumulatorWindow::MoveSelected(QListWidget* from, QListWidget* to) {
  std::vector<int> rows;
  for (int row = 0; row < from->count(); ++row) {
    if (from->item(row)->isSelected()) rows.push_back(row);
  }
  MoveRows(from, to, rows);
}

void AccumulatorWindow::MoveAll(QListWidget* from, QListWidget* to) {
  std::vector<int> rows(static_cast<std::size_t>(from->count()));
  for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = static_cast<int>(row);
  MoveRows(from, to, rows);
}

void AccumulatorWindow::MoveRows(QListWidget* from, QListWidget* to, const std::vector<int>& rows) {
  for (const int row : rows) {
    const QListWidgetItem* source = from->item(row);
    auto* copy = new QListWidgetItem(source->text());
    copy->setData(kSerialRole, source->data(kSerialRole));
    to->addItem(copy);
  }
  // From the last to the first, so the rows still to go keep their numbers.
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) delete from->takeItem(*row);
}

void AccumulatorWindow::Confirm() {
  if (m_right->count() == 0) return;
  std::vector<int> serials;
  serials.reserve(static_cast<std::size_t>(m_right->count()));
  for (int row = 0; row < m_right->count(); ++row) {
    serials.push_back(m_right->item(row)->data(kSerialRole).toInt());
  }
  emit combinationChosen(serials, static_cast<AccumulatorOperation>(m_operation->currentIndex()));
  accept();
}

}  // namespace tabulex
