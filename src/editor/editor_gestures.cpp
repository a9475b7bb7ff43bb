#include "editor/editor_gestures.h"

#include <algorithm>
#include <climits>

#include "editor/caret_position_display.h"
#include "editor/insert_line_below.h"
#include "editor/virtual_keys.h"

namespace tabulex {

void EditorGestures::OnLeftButtonDown(int screenX, int screenY) {
  CaretPositionDisplay(m_session.editor, m_session.caretPosition);
  m_drag = EditorDragState{true, screenX, screenY, m_session.window.WindowLeft(),
                           m_session.window.WindowTop()};
}

void EditorGestures::OnMouseMove(int screenX, int screenY, int modifiers) {
  CaretPositionDisplay(m_session.editor, m_session.caretPosition);
  if (!m_drag.held || modifiers != kCtrl) return;
  m_session.window.MoveWindowTo(m_drag.windowLeft + (screenX - m_drag.cursorX),
                                m_drag.windowTop + (screenY - m_drag.cursorY));
}

void EditorGestures::OnLeftButtonUp(int modifiers) {
  m_drag.held = false;
  if (modifiers == kAlt) CopySelectionBelow();
}

void EditorGestures::OnFocusIn() {
  CaretPositionDisplay(m_session.editor, m_session.caretPosition);
}

void EditorGestures::CopySelectionBelow() {
  EditorBuffer& editor = m_session.editor;
  InsertLineBelow(editor, editor.Slice(editor.Caret(), editor.SelectionLength()));
}

int EditorGestures::ZoomedFontSize(int fontSize, int notches, int modifiers) {
  if (modifiers != kCtrl) return fontSize;
  const long long zoomed = static_cast<long long>(fontSize) + notches;
  return static_cast<int>(std::clamp<long long>(zoomed, 1, INT_MAX));
}

int EditorGestures::WheelNotches(int angleDelta, int modifiers) {
  constexpr int kNotch = 120;
  const bool sameWay = (m_wheelAngle >= 0) == (angleDelta >= 0);
  if (modifiers != kCtrl || !sameWay) m_wheelAngle = 0;
  if (modifiers != kCtrl) return angleDelta / kNotch;
  m_wheelAngle += angleDelta;
  const int notches = m_wheelAngle / kNotch;
  m_wheelAngle -= notches * kNotch;
  return notches;
}

}  // namespace tabulex
