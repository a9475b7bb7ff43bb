// A top-level window's geometry in the terms of the window rules (placement, bounds tracking,
// edge docking): the outer bounds, frame included, read and applied alike; the state it
// reports; and the primary screen's rectangle.
#pragma once

#include "base/placement_check.h"
#include "window/bounds_tracking.h"

class QWidget;

namespace tabulex {

// The primary screen's rectangle; 1024 x 768 at (0, 0) when there is no screen at all.
ScreenRect PrimaryScreenRect();

// The window's outer bounds. A window that has never been shown has no frame yet: its own
// rectangle.
WindowBounds OuterBounds(const QWidget& window);

// Gives the window these outer bounds: the corner is the frame's, the size the frame's. For a
// window not yet shown the frame the window manager will add is asked for first, so that a
// window shown at stored bounds comes up with exactly those bounds.
void ApplyOuterBounds(QWidget& window, WindowBounds bounds);

ReportedWindowState ReportedState(const QWidget& window);

}  // namespace tabulex
