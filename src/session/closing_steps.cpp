#include "session/closing_steps.h"

namespace tabulex {

bool ClosingSteps::Run() {
  if (!m_shutdown.Pending()) return false;
  // Unsaved changes outlive an end the user did not choose.
  if (m_sessionEnding) {
    m_recovery.Keep();
  } else {
    m_recovery.Drop();
  }
  return m_shutdown.Run();
}

}  // namespace tabulex
