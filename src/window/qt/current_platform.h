// The abilities of the windowing system the program runs on (see platform_abilities.h).
#pragma once

#include "window/platform_abilities.h"

namespace tabulex {

PlatformAbilities CurrentPlatformAbilities();

}  // namespace tabulex
