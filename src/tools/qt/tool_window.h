// ToolWindow: the modal "辅助分析" window with the base conversion, statistics, unit and time
// tabs. It only translates between the controls and the logic in base_conversion.h,
// statistics.h and statistics_chart.h; the unit and time tabs are widgets of their own. Build
// a fresh one for every opening: it starts with empty inputs, the statistics template and no
// chart.
#pragma once

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace tabulex {

class StatisticsChart;

class ToolWindow final : public QDialog {
  Q_OBJECT

 public:
  // tabIndex: the tab to show, 0 base conversion, 1 statistics, 2 units, 3 time.
  ToolWindow(int tabIndex, QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* CreateBaseTab();
  QWidget* CreateStatisticsTab();
  void ConvertInput();
  void ComputeInput();
  void ShowStatistics(const std::string& gbk);

  QTabWidget* m_tabs{};
  QLineEdit* m_baseInput{};
  QComboBox* m_sourceBase{};
  QComboBox* m_targetBase{};
  QLineEdit* m_baseResult{};
  QPlainTextEdit* m_statisticsInput{};
  QLabel* m_statisticsOutput{};
  StatisticsChart* m_statisticsChart{};
};

}  // namespace tabulex
