// SIGTERM and SIGHUP as a Qt signal: the handler only writes a byte to a socket pair, and the
// event loop turns it into terminationRequested(), so the window closes as on session end,
// with its settings and text written, instead of the process dying in the middle.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace tabulex {

class TerminationSignals final : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent);
  ~TerminationSignals() override;

 signals:
  void terminationRequested();

 private:
  QSocketNotifier* m_notifier{};
};

}  // namespace tabulex
