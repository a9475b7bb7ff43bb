#include "tools/qt/clear_accumulator_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tabulex {

ClearAccumulatorDialog::ClearAccumulatorDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("警告!"));
  setModal(true);
  auto* picture = new QLabel(this);
  picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
  auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
  auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
  cancel->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  layout->addLayout(buttons);
}

bool ClearAccumulatorDialog::Confirm() {
  return exec() == QDialog::Accepted;
}

}  // namespace tabulex
