#include "window/qt/main_status_bar.h"
#include "engine/qt/gbk_qstring.h"

#include <QDateTime>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "window/clock_text.h"

namespace tabulex {

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent),
      m_labels{new QLabel(this), new QLabel(this), new QLabel(this)},
      m_messages{m_labels[0]},
      m_caretPosition{m_labels[1]},
      m_clock{new QTimer(this)} {
  setSizeGripEnabled(false);
  m_labels[1]->setFixedWidth(200);
  m_labels[2]->setFixedWidth(345);
  for (QLabel* label : m_labels) label->setTextFormat(Qt::PlainText);
  // Long messages must not widen the window: part 0 only gets what is left.
  m_labels[0]->setMinimumWidth(0);
  m_labels[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  addWidget(m_labels[0], 1);
  addPermanentWidget(m_labels[1]);
  addPermanentWidget(m_labels[2]);
  connect(m_clock, &QTimer::timeout, this, &MainStatusBar::ShowClock);
  m_clock->start(1000);
}

void MainStatusBar::Part::ShowStatus(std::string_view gbkText) {
  m_label->setText(GbkToQString(gbkText));
}

QString MainStatusBar::PartText(int part) const {
  return m_labels[part]->text();
}

void MainStatusBar::SetPartWidths(const StatusBarWidths& widths) {
  // Only a ceiling for part 0: a fixed width would raise the window's minimum width to the
  // width it was computed from, and the window would grow with every layout.
  m_labels[0]->setMaximumWidth(std::max(0, widths.messages));
  // A part with no room goes, separator and all.
  for (const auto& [label, width] :
       {std::pair{m_labels[1], widths.caretPosition}, std::pair{m_labels[2], widths.clock}}) {
    label->setFixedWidth(std::max(0, width));
    label->setVisible(width > 0);
  }
}

QSize MainStatusBar::minimumSizeHint() const {
  return {0, QStatusBar::minimumSizeHint().height()};
}

void MainStatusBar::ShowClock() {
  const QDateTime now = QDateTime::currentDateTime();
  m_labels[2]->setText(QString::fromStdString(ClockText(
      LocalTime{now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                now.time().minute(), now.time().second(), now.date().dayOfWeek() % 7})));
}

void MainStatusBar::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  QStatusBar::mouseDoubleClickEvent(event);
}

void MainStatusBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) emit rightButtonReleased();
  QStatusBar::mouseReleaseEvent(event);
}

}  // namespace tabulex
