#include "window/platform_abilities.h"

namespace tabulex {

PlatformAbilities PlatformAbilitiesOf(std::string_view platformName) {
  if (platformName.starts_with("wayland")) return PlatformAbilities{false, false, false, false};
  return PlatformAbilities{};
}

}  // namespace tabulex
