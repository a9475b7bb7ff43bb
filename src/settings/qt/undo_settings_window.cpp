#include "settings/qt/undo_settings_window.h"
#include "engine/qt/gbk_qstring.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/undo_limit_settings.h"
#include "window/qt/dialog_buttons.h"

namespace tabulex {

UndoSettingsWindow::UndoSettingsWindow(CalcSettings& settings, SettingsStore& store,
                                       const MainWindowPorts& window, QWidget* parent)
    : QDialog(parent), m_settings{settings}, m_store{store}, m_window{window} {
  setWindowTitle(QString::fromUtf8("撤销步长"));
  setModal(true);

  m_limit = new QLineEdit(QString::fromStdString(UndoLimitFieldText(settings)), this);
  m_limit->setObjectName("undoLimit");
  m_limit->setCursorPosition(m_limit->text().size());
  auto* label = new QLabel(QString::fromUtf8("撤销最大次数："), this);
  label->setBuddy(m_limit);
  const DialogButtons buttons = MakeDialogButtons(this);
  QPushButton* ok = buttons.ok;
  QPushButton* cancel = buttons.cancel;

  auto* field = new QHBoxLayout;
  field->addWidget(label);
  field->addWidget(m_limit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(field);
  layout->addLayout(buttons.row);

  connect(ok, &QPushButton::clicked, this, &UndoSettingsWindow::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void UndoSettingsWindow::Confirm() {
  const std::string text = QStringToGbk(m_limit->text());
  if (ConfirmUndoLimit(text, m_settings, m_store, m_window) == UndoLimitOutcome::Close) {
    accept();
    return;
  }
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8("错误！"),
                  QString::fromUtf8("错误，最大撤销步数不能大于500！"), QMessageBox::Ok, this);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace tabulex
