// The X11 side of the program's windows: the display connection Qt opened, and what the
// window manager is told about a window beyond Qt's own hints. Off X11 (Wayland, offscreen)
// there is no connection and the hints are left out.
#pragma once

struct xcb_connection_t;
class QWindow;

namespace tabulex {

// Qt's connection to the X server; nullptr when the program does not run on X11.
xcb_connection_t* X11Connection();

// Asks the window manager, before the window is first shown, for the frame it will draw
// around it (_NET_REQUEST_FRAME_EXTENTS), and waits a moment for the answer, which Qt then
// takes as the window's frame margins. Without a window manager that answers, nothing
// happens: the window has no frame to know of until it is shown.
void RequestFrameExtents(const QWindow& window);

// A frame of a border alone: no caption, so no window buttons, while moving and resizing stay
// allowed. Window managers keep the buttons of a caption whatever a program asks (Qt asks
// nothing for a window without buttons, and some managers never let a button go), so a frame
// without buttons has to be one without a caption.
void ShowBorderOnly(const QWindow& window);

}  // namespace tabulex
