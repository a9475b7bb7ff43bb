// The X11 side of the program's windows: the display connection Qt opened, and what the
// window manager is told about a window beyond Qt's own hints. Off X11 (Wayland, offscreen)
// there is no connection and the hints are left out.
#pragma once

#include <QMargins>

#include <optional>

struct xcb_connection_t;
class QWindow;

namespace tabulex {

// Qt's connection to the X server; nullptr when the program does not run on X11.
xcb_connection_t* X11Connection();

// The frame the window manager draws around the window (_NET_FRAME_EXTENTS), as it stands, in
// device-independent pixels; nothing off X11 or while the window manager has not said. Read afresh
// each time: Qt keeps the frame it finds the first time it looks, which may be before there is one.
std::optional<QMargins> FrameExtents(const QWindow& window);

// The same for a window not yet shown: the window manager is asked for the frame it will draw
// (_NET_REQUEST_FRAME_EXTENTS), with a short wait for the answer. Nothing without a window
// manager that answers.
std::optional<QMargins> RequestFrameExtents(const QWindow& window);

// A frame of a border alone: no caption, so no window buttons, while moving and resizing stay
// allowed. Window managers keep the buttons of a caption whatever a program asks (Qt asks
// nothing for a window without buttons, and some managers never let a button go), so a frame
// without buttons has to be one without a caption.
void ShowBorderOnly(const QWindow& window);

}  // namespace tabulex
