// The main window's status bar: part 0 for messages, part 1 for the caret position, part 2
// for the clock. Parts 1 and 2 keep 200 and 345 pixels; part 0 takes the rest. A double click
// and a right-button release are passed on as signals.
#pragma once

#include <QStatusBar>

#include "engine/status_sink.h"
#include "window/status_bar_layout.h"

class QLabel;
class QTimer;

namespace tabulex {

class MainStatusBar final : public QStatusBar {
  Q_OBJECT

 public:
  explicit MainStatusBar(QWidget* parent);

  StatusSink& messages() { return m_messages; }
  StatusSink& caretPosition() { return m_caretPosition; }
  QString PartText(int part) const;
  // Widths of the three parts; a width of 0 or less leaves part 0 no room.
  void SetPartWidths(const StatusBarWidths& widths);
  // The window may be narrower than the fixed parts: they are then cut off at its right edge.
  QSize minimumSizeHint() const override;

 signals:
  void doubleClicked();
  void rightButtonReleased();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // A status bar part as the calculation and the editor logic write to it, in GBK.
  class Part final : public StatusSink {
   public:
    explicit Part(QLabel* label) : m_label{label} {}
    void ShowStatus(std::string_view gbkText) override;

   private:
    QLabel* m_label;
  };

  void ShowClock();

  QLabel* m_labels[3]{};
  Part m_messages;
  Part m_caretPosition;
  QTimer* m_clock{};
};

}  // namespace tabulex
