#include "window/tray_event.h"

namespace tabulex {

TrayResponse TrayEventResponse(std::int32_t kind) {
  switch (kind) {
    case 1:
    case 2:
      return TrayResponse::RestoreWindow;
    case 3:
      return TrayResponse::OpenMenu;
    default:
      return TrayResponse::Nothing;
  }
}

void TrayEvent(std::int32_t kind, WindowFramePort& window, EdgePort& edge, bool alwaysOnTop) {
  if (TrayEventResponse(kind) == TrayResponse::RestoreWindow)
    ShowInFront(window, edge, alwaysOnTop);
}

}  // namespace tabulex
