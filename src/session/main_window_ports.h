// MainWindowPorts: the main window as the sequences and the settings see it, one port per
// concern, each call declared once. The start-up and shutdown sequences, the settings dialogs
// and the reset take it whole; app/ gives them its adapters.
#pragma once

#include "session/desktop_port.h"
#include "session/document_port.h"
#include "session/look_port.h"
#include "window/edge_port.h"
#include "window/window_frame_port.h"

namespace tabulex {

struct MainWindowPorts {
  WindowFramePort& frame;
  EdgePort& edge;
  LookPort& look;
  DesktopPort& desktop;
  DocumentPort& document;
};

}  // namespace tabulex
