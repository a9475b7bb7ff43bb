// The confirmation before the accumulator list is emptied, titled "警告!".
#pragma once

#include <QDialog>

namespace tabulex {

class ClearAccumulatorDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit ClearAccumulatorDialog(QWidget* parent);

  // True when the user confirmed with "确定".
  bool Confirm();
};

}  // namespace tabulex
