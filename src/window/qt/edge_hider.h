// EdgeHider: edge docking for a top-level window. It snaps the window flush with a screen edge
// when it is dragged past one, runs the 100 ms edge timer that tucks a flush window away and
// brings it back under the mouse, and keeps the window topmost while it is tucked. Bounds are
// the outer frame, moved with QWidget::move, as the rest of the window code has them. It does
// not decide when the hotkey, the tray or start-up tuck or pull back: they call it.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

#include "base/calc_settings.h"
#include "window/edge_docking.h"

class QTimer;
class QWidget;

namespace tabulex {

class EdgeHider final : public QObject {
  Q_OBJECT

 public:
  // Shows or hides the keypad window, when it is open, as the main window comes out or tucks.
  using KeypadVisibility = std::function<void(bool shown)>;

  // The hider is a child of the window. alwaysOnTop is read from the settings each time the
  // window comes back out.
  EdgeHider(QWidget& window, const CalcSettings& settings, KeypadVisibility showKeypad);

  // The edge timer's interval in milliseconds; 0 (or less) stops it.
  void SetTimerInterval(std::int32_t milliseconds);
  void SetGraceTicks(std::int32_t ticks);

  // From the window's move event, before its bounds are recorded.
  void OnMoved();
  // When the window becomes the active one: it comes back out, with grace 25.
  void OnActivated();
  // A tucked window comes back flush with its edge and takes the topmost state alwaysOnTop.
  void PullBackOnScreen();
  // A flush window goes behind its edge at once and becomes topmost. False when the window did
  // not move: not flush, or maximised or minimised (which never tuck).
  bool Tuck();

  // The edge timer's tick.
  void Tick();

 private:
  WindowBounds Bounds() const;
  ScreenRect Screen() const;
  ReportedWindowState State() const;
  void MoveWindow(WindowBounds bounds);

  QWidget& m_window;
  const CalcSettings& m_settings;
  KeypadVisibility m_showKeypad;
  QTimer* m_timer{nullptr};
  DockGraceTicks m_grace{};
  // Where the hider itself last put the window: the move events that report it are its own
  // and are not snapped (a tuck with the cursor near the edge would otherwise be undone).
  std::optional<WindowBounds> m_ownMove;
};

}  // namespace tabulex
