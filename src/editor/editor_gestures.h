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

  const EditorDragState& DragState() const { return m_drag; }

 private:
  // Copies the selection onto a new line below the selection's line, caret after the copy.
  void CopySelectionBelow();

  EditorSession& m_session;
  EditorDragState m_drag{};
};

}  // namespace tabulex
