// EdgePort: edge docking on the main window. The rules decide when a window tucks behind a
// screen edge or comes back; the edge hider in window/qt does the moving and the timing.
#pragma once

#include <cstdint>

namespace tabulex {

class EdgePort {
 public:
  virtual ~EdgePort() = default;

  // The edge timer; 0 stops it (and with it edge hiding).
  virtual void SetEdgeTimerInterval(std::int32_t milliseconds) = 0;
  // Moves a window tucked behind an edge back flush with it, and nothing else.
  virtual void PullBackOnScreen() = 0;
  // Tucks a window that is flush with an edge behind it; any other window hides.
  virtual void Tuck() = 0;
  // The grace countdown before edge hiding may tuck the window again, in edge timer ticks.
  virtual void SetEdgeGraceTicks(std::int32_t ticks) = 0;
};

}  // namespace tabulex
