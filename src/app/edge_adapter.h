// EdgeAdapter: the edge port carried out by the edge hider on the main window.
#pragma once

#include "window/edge_port.h"
#include "window/platform_abilities.h"

class QWidget;

namespace tabulex {

class EdgeHider;

class EdgeAdapter final : public EdgePort {
 public:
  EdgeAdapter(EdgeHider& hider, QWidget& window, PlatformAbilities platform)
      : m_hider{hider}, m_window{window}, m_platform{platform} {}

  void SetEdgeTimerInterval(std::int32_t milliseconds) override;
  void PullBackOnScreen() override;
  void Tuck() override;
  void SetEdgeGraceTicks(std::int32_t ticks) override;

 private:
  EdgeHider& m_hider;
  QWidget& m_window;
  const PlatformAbilities m_platform;
};

}  // namespace tabulex
