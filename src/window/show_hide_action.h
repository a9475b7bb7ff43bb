// ShowHideAction, run whenever the global show/hide hotkey is pressed, and the tray click that
// brings the main window back: rules over the window's visibility and its place at a screen
// edge, carried out through ShowHideWindowPort. Tucking and pulling back are the edge-docking
// steps; this unit only decides when they run.
#pragma once

#include <cstdint>

#include "base/placement_check.h"
#include "window/edge_docking.h"

namespace tabulex {

// What the hotkey and the tray ask of the main window.
class ShowHideWindowPort {
 public:
  virtual ~ShowHideWindowPort() = default;

  // Visible on screen or minimised (a minimised window counts as visible); false when hidden.
  virtual bool IsShown() const = 0;
  // The window's outer bounds in screen pixels.
  virtual WindowBounds Bounds() const = 0;
  virtual ScreenRect PrimaryScreen() const = 0;

  // Makes the window visible; its minimised, maximised or normal state stays as it is.
  virtual void ShowWindow() = 0;
  virtual void HideWindow() = 0;
  // Neither minimised nor maximised.
  virtual void SetNormalState() = 0;
  // Raises the window above the others and activates it.
  virtual void BringToFront() = 0;
  // The window's topmost state.
  virtual void SetAlwaysOnTop(bool alwaysOnTop) = 0;
  virtual void FocusEditor() = 0;
  // Edge docking: moves a window tucked behind an edge back flush with it (nothing else),
  // tucks a flush window behind its edge, and sets the grace countdown (DockGraceTicks).
  virtual void PullBackOnScreen() = 0;
  virtual void Tuck() = 0;
  virtual void SetEdgeGraceTicks(std::int32_t ticks) = 0;
};

// The hotkey. A shown window that is tucked comes back (grace 25); one that is flush with an
// edge tucks at once (grace 0) and becomes topmost, whether or not edge hiding is on; any
// other shown window hides. A hidden window is shown like a tray click brings it back.
void ShowHideAction(ShowHideWindowPort& window, bool alwaysOnTop);

// Shows the window in its normal state in front of the others (topmost state alwaysOnTop),
// with the editor focused; when it is tucked, it comes back. Grace 25 in every case.
void ShowInFront(ShowHideWindowPort& window, bool alwaysOnTop);

}  // namespace tabulex
