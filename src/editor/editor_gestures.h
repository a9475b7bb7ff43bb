// The editor's mouse and wheel gestures: the caret display while the mouse works, dragging
// the main window with Ctrl held, Alt+release copying the selection onto a new line below its
// line, and Ctrl+wheel zoom. Coordinates are screen coordinates. Showing the context menu on
// a right-button release is the widget's own.
#pragma once

#include "editor/editor_session.h"

namespace tabulex {

// Held from a left-button press in the editor to its release.
struct EditorDragState {
  bool held{false};
  int cursorX{0};  // where the button went down
  int cursorY{0};
  int windowLeft{0};  // the main window's corner then
  int windowTop{0};
};

class EditorGestures {
 public:
  explicit EditorGestures(EditorSession& session) : m_session{session} {}

  // modifiers: Ctrl 1 + Shift 2 + Alt 4. All of these let the event proceed to the editor.
  void OnLeftButtonDown(int screenX, int screenY);
  void OnMouseMove(int screenX, int screenY, int modifiers);
  void OnLeftButtonUp(int modifiers);
  void OnFocusIn();

  // The editor font size after a wheel turn: one point per notch (positive: away from the
  // user, larger) with Ctrl alone, never below one point; otherwise the size unchanged.
  static int ZoomedFontSize(int fontSize, int notches, int modifiers);

  // The whole notches of a wheel turn reported in eighths of a degree (120 per notch).
  // High-resolution wheels and touchpads report parts of a notch: with Ctrl alone they add up
  // until a notch is whole; a turn the other way, or without Ctrl alone, starts afresh.
  int WheelNotches(int angleDelta, int modifiers);

  const EditorDragState& DragState() const { return m_drag; }

 private:
  // Copies the selection onto a new line below the selection's line, caret after the copy.
  void CopySelectionBelow();

  EditorSession& m_session;
  EditorDragState m_drag{};
  int m_wheelAngle{0};  // the part of a notch turned so far
};

}  // namespace tabulex
