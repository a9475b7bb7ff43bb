// ExitConfirmDialog: asked when the close button is pressed and closing is set to ask.
// "直接退出" ends the program, "置托盘" keeps it running; "不再提醒！" makes the choice stick.
// The main window is minimised while it asks, and some window managers hide a minimised
// window's dialogs with it: so the question is a window of its own, modal for the whole
// program, in front and with the keyboard.
#pragma once

#include <QDialog>

#include "window/close_request.h"

class QCheckBox;

namespace tabulex {

class ExitConfirmDialog final : public QDialog {
  Q_OBJECT

 public:
  ExitConfirmDialog();

  // Shows the dialog modally and returns the user's answer.
  ExitDialogAnswer Ask();

 private:
  QCheckBox* m_dontRemind{};
  ExitDialogButton m_button{ExitDialogButton::Dismissed};
};

}  // namespace tabulex
