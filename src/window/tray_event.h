// TrayEvent: what a click on the tray icon does. Kinds: 1 left button released, 2 left
// button double-clicked, 3 right button released or the context-menu key.
#pragma once

#include <cstdint>

#include "window/show_hide_action.h"

namespace tabulex {

enum class TrayResponse {
  Nothing,        // any other kind
  RestoreWindow,  // 1 and 2
  OpenMenu,       // 3: the tray menu at the cursor
};

TrayResponse TrayEventResponse(std::int32_t kind);

// Kinds 1 and 2 bring the main window back (ShowInFront). Kind 3 leaves the window alone:
// the tray icon opens its menu itself.
void TrayEvent(std::int32_t kind, WindowFramePort& window, EdgePort& edge, bool alwaysOnTop);

}  // namespace tabulex
