// TimeCalculationTab: the tool window's "时间计算" tab: the days between two dates, a date plus
// days, what a date is (weekday, day of the year, ISO week, lunar date, solar term), a lunar
// date back to the Gregorian one, and the total of a list of durations. Every result follows
// its inputs as they are typed; the texts come from date_report.h and duration_sum.h, and an
// input that is no date shows its message in the result box.
#pragma once

#include <QWidget>

#include "tools/civil_date.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace tabulex {

class TimeCalculationTab final : public QWidget {
  Q_OBJECT

 public:
  // The date inputs start at today's date.
  explicit TimeCalculationTab(QWidget* parent = nullptr);
  // The same with the given day as today, so that what the tab shows does not depend on the
  // day it runs.
  TimeCalculationTab(const CivilDate& today, QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* CreateSpanSection(const QString& today);
  QWidget* CreateShiftSection(const QString& today);
  QWidget* CreateInfoSection(const QString& today);
  QWidget* CreateLunarSection(const CivilDate& today);
  QWidget* CreateDurationSection();
  void ShowSpan();
  void ShowShift();
  void ShowInfo();
  void ShowLunar();
  void ShowDurations();

  QLineEdit* m_spanFrom{};
  QLineEdit* m_spanTo{};
  QLineEdit* m_spanResult{};
  QLineEdit* m_shiftDate{};
  QLineEdit* m_shiftDays{};
  QLineEdit* m_shiftResult{};
  QLineEdit* m_infoDate{};
  QLineEdit* m_infoResult{};
  QLineEdit* m_infoYear{};
  QSpinBox* m_lunarYear{};
  QLabel* m_lunarYearName{};
  QComboBox* m_lunarMonth{};
  QCheckBox* m_lunarLeap{};
  QComboBox* m_lunarDay{};
  QLineEdit* m_lunarResult{};
  QPlainTextEdit* m_durationInput{};
  QLineEdit* m_durationResult{};
};

}  // namespace tabulex
