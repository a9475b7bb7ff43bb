#include "editor/editor_gestures.h"

#include <algorithm>
#include <climits>
#include <string>

#include "editor/caret_position_display.h"
#include "editor/virtual_keys.h"

namespace tabulex {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

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
  const std::size_t start = editor.Caret();
  const std::string selected = editor.Slice(start, editor.SelectionLength());
  // The first line break from the byte just before the selection on: the end of the line
  // the selection starts on.
  const std::size_t length = editor.Length();
  std::size_t crlf = start > 0 ? start - 1 : 0;
  while (crlf + 1 < length && !(editor.ByteAt(crlf) == '\r' && editor.ByteAt(crlf + 1) == '\n')) {
    ++crlf;
  }
  if (crlf + 1 < length) {
    const std::size_t nextLine = crlf + 2;
    editor.SetCaret(nextLine);
    editor.ReplaceSelection(selected + std::string(kLineBreak));
    editor.SetCaret(nextLine + selected.size());
  } else {
    editor.SetCaret(length);
    editor.ReplaceSelection(std::string(kLineBreak) + selected + std::string(kLineBreak));
    editor.SetCaret(length + kLineBreak.size() + selected.size());
  }
}

int EditorGestures::ZoomedFontSize(int fontSize, int notches, int modifiers) {
  if (modifiers != kCtrl) return fontSize;
  const long long zoomed = static_cast<long long>(fontSize) + notches;
  return static_cast<int>(std::clamp<long long>(zoomed, 1, INT_MAX));
}

}  // namespace tabulex
