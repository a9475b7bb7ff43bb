#include "window/qt/exit_confirm_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "window/qt/app_icon.h"
#include "window/qt/window_front.h"

namespace tabulex {

ExitConfirmDialog::ExitConfirmDialog() {
  setWindowTitle(QString::fromUtf8("是否要直接退出！"));
  // Not a dialog of any window (no transient hint): a question on its own.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowModality(Qt::ApplicationModal);
  setWindowIcon(TabulexIcon());
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
  // Wide enough for the whole caption.
  setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) * 2 + 120);
  QTimer::singleShot(0, this, [this] { RaiseAndActivate(*this); });
  exec();
  return ExitDialogAnswer{m_button, m_dontRemind->isChecked()};
}

}  // namespace tabulex
