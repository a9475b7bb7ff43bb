#include "window/qt/exit_confirm_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulex {

ExitConfirmDialog::ExitConfirmDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("是否要直接退出！"));
  setModal(true);
  m_dontRemind = new QCheckBox(QString::fromUtf8("不再提醒！"), this);
  auto* toTray = new QPushButton(QString::fromUtf8("置托盘"), this);
  auto* exit = new QPushButton(QString::fromUtf8("直接退出"), this);
  exit->setDefault(true);
  connect(toTray, &QPushButton::clicked, this, [this] {
    m_button = ExitDialogButton::ToTray;
    accept();
  });
  connect(exit, &QPushButton::clicked, this, [this] {
    m_button = ExitDialogButton::ExitDirectly;
    accept();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(toTray);
  buttons->addWidget(exit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_dontRemind);
  layout->addLayout(buttons);
}

ExitDialogAnswer ExitConfirmDialog::Ask() {
  m_button = ExitDialogButton::Dismissed;
  exec();
  return ExitDialogAnswer{m_button, m_dontRemind->isChecked()};
}

}  // namespace tabulex
