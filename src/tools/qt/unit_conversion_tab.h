// UnitConversionTab: the tool window's "单位转换" tab: converts a value between the units of one
// category, live.
#pragma once

#include <QWidget>

namespace tabulex {

class UnitConversionTab final : public QWidget {
  Q_OBJECT

 public:
  explicit UnitConversionTab(QWidget* parent = nullptr);
};

}  // namespace tabulex
