#include "window/qt/dialog_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace tabulex {

DialogButtons MakeDialogButtons(QWidget* dialog) {
  DialogButtons buttons;
  buttons.ok = new QPushButton(QString::fromUtf8("确定"), dialog);
  buttons.ok->setObjectName("ok");
  buttons.ok->setDefault(true);
  buttons.cancel = new QPushButton(QString::fromUtf8("取消"), dialog);
  buttons.cancel->setObjectName("cancel");
  buttons.row = new QHBoxLayout;
  buttons.row->addStretch();
  buttons.row->addWidget(buttons.ok);
  buttons.row->addWidget(buttons.cancel);
  return buttons;
}

}  // namespace tabulex
