#include "tools/qt/time_calculation_tab.h"

namespace tabulex {

TimeCalculationTab::TimeCalculationTab(QWidget* parent) : QWidget(parent) {}

}  // namespace tabulex
