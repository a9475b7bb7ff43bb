// UnitConversionTab: the tool window's "单位转换" tab: converts a value between the units of one
// category, live, and lists it in every unit of the category. It only translates between the
// controls and the logic in unit_conversion.h.
#pragma once

#include <QWidget>

#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tabulex {

struct Unit;

class UnitConversionTab final : public QWidget {
  Q_OBJECT

 public:
  explicit UnitConversionTab(QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ChangeCategory();
  void FillUnits();
  void Convert();

  QComboBox* m_category{};
  QLineEdit* m_value{};
  QComboBox* m_fromUnit{};
  QComboBox* m_toUnit{};
  QLineEdit* m_result{};
  QPlainTextEdit* m_values{};
  // The units of the chosen category, in the order of both unit lists.
  std::vector<const Unit*> m_units;
};

}  // namespace tabulex
