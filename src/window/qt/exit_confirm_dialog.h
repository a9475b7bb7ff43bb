// ExitConfirmDialog: asked when the close button is pressed and closing is set to ask.
// "直接退出" ends the program, "置托盘" keeps it running; "不再提醒！" makes the choice stick.
#pragma once

#include <QDialog>

#include "window/close_request.h"

class QCheckBox;

namespace tabulex {

class ExitConfirmDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit ExitConfirmDialog(QWidget* parent);

  // Shows the dialog modally and returns the user's answer.
  ExitDialogAnswer Ask();

 private:
  QCheckBox* m_dontRemind{};
  ExitDialogButton m_button{ExitDialogButton::Dismissed};
};

}  // namespace tabulex
