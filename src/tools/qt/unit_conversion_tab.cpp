#include "tools/qt/unit_conversion_tab.h"

namespace tabulex {

UnitConversionTab::UnitConversionTab(QWidget* parent) : QWidget(parent) {}

}  // namespace tabulex
