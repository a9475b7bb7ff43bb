// ShowHideAction, run whenever the global show/hide hotkey is pressed, and the tray click that
// brings the main window back: rules over the window's visibility and its place at a screen
// edge, carried out through the window's frame and edge ports. Tucking and pulling back are the
// edge-docking steps; this unit only decides when they run.
#pragma once

#include <cstdint>

#include "window/edge_docking.h"
#include "window/edge_port.h"
#include "window/window_frame_port.h"

namespace tabulex {

// The hotkey. A shown window that is tucked comes back (grace 25); one that is flush with an
// edge tucks at once (grace 0) and becomes topmost, whether or not edge hiding is on; any
// other shown window hides. A hidden window is shown like a tray click brings it back.
void ShowHideAction(WindowFramePort& window, EdgePort& edge, bool alwaysOnTop);

// Shows the window in its normal state in front of the others (topmost state alwaysOnTop),
// with the editor focused; when it is tucked, it comes back. Grace 25 in every case.
void ShowInFront(WindowFramePort& window, EdgePort& edge, bool alwaysOnTop);

}  // namespace tabulex
