// TimeCalculationTab: the tool window's "时间计算" tab: days between dates, a date plus days, the
// lunar date, durations.
#pragma once

#include <QWidget>

namespace tabulex {

class TimeCalculationTab final : public QWidget {
  Q_OBJECT

 public:
  explicit TimeCalculationTab(QWidget* parent = nullptr);
};

}  // namespace tabulex
