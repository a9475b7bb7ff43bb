// AccumulatorWindow: the modeless window "累加器" in which the user picks results of the
// accumulator list and a combining operation. It lists the entries as they were when it
// opened and only reports the choice; writing and calculating the combination is the
// owner's (CalculateAccumulatorCombination). It deletes itself when closed.
#pragma once

#include <QDialog>

#include <vector>

#include "engine/accumulator_entry.h"
#include "tools/accumulator_combination.h"

class QComboBox;
class QListWidget;

namespace tabulex {

class AccumulatorWindow final : public QDialog {
  Q_OBJECT

 public:
  AccumulatorWindow(const AccumulatorList& entries, QWidget* parent);

 signals:
  // "确定" with a non-empty right list: the serials of its items in its order and the chosen
  // operation. The window closes right after.
  void combinationChosen(const std::vector<int>& serials, tabulex::AccumulatorOperation operation);

 private:
  // The selected items of from, in ascending order, go to the end of to.
  static void MoveSelected(QListWidget* from, QListWidget* to);
  static void MoveAll(QListWidget* from, QListWidget* to);
  static void MoveRows(QListWidget* from, QListWidget* to, const std::vector<int>& rows);
  void Confirm();

  QListWidget* m_left{};
  QListWidget* m_right{};
  QComboBox* m_operation{};
};

}  // namespace tabulex
