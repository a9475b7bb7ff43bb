// The row that ends a settings dialog: "确定" and "取消" at the right, named "ok" and "cancel"
// (the tests find them by these names), "确定" the default button.
#pragma once

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace tabulex {

struct DialogButtons {
  QPushButton* ok{};
  QPushButton* cancel{};
  QHBoxLayout* row{};  // to be added to the dialog's layout
};

DialogButtons MakeDialogButtons(QWidget* dialog);

}  // namespace tabulex
