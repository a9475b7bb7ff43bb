#include "app/edge_adapter.h"

#include <QWidget>

#include "window/qt/edge_hider.h"

namespace tabulex {

void EdgeAdapter::SetEdgeTimerInterval(std::int32_t milliseconds) {
  // Where the window cannot move itself, it cannot hide at an edge either.
  m_hider.SetTimerInterval(m_platform.placeWindows ? milliseconds : 0);
}

void EdgeAdapter::PullBackOnScreen() {
  m_hider.PullBackOnScreen();
}

// A window that is not flush with an edge (or maximised) hides instead, as the hotkey wants.
void EdgeAdapter::Tuck() {
  if (!m_hider.Tuck()) m_window.hide();
}

void EdgeAdapter::SetEdgeGraceTicks(std::int32_t ticks) {
  m_hider.SetGraceTicks(ticks);
}

}  // namespace tabulex
