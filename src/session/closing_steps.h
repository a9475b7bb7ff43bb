// ClosingSteps: what happens, once, when the program ends after a completed start: unsaved
// changes are kept in the recovery file when the end was not the user's choice (the session
// ends, SIGTERM, SIGHUP) and dropped otherwise, then the shutdown sequence writes. However
// often the window is asked to close, and from whichever way, the steps run once.
#pragma once

#include "editor/document_recovery.h"
#include "session/shutdown_sequence.h"

namespace tabulex {

class ClosingSteps {
 public:
  ClosingSteps(ShutdownSequence& shutdown, DocumentRecovery& recovery)
      : m_shutdown{shutdown}, m_recovery{recovery} {}

  // The session is ending: the close asks nothing and keeps unsaved changes for the next start.
  void MarkSessionEnding() { m_sessionEnding = true; }
  bool SessionEnding() const { return m_sessionEnding; }

  // True when this call did the work; false before the start-up completed and after the
  // first run.
  bool Run();

 private:
  ShutdownSequence& m_shutdown;
  DocumentRecovery& m_recovery;
  bool m_sessionEnding{false};
};

}  // namespace tabulex
