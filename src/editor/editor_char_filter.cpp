#include "editor/editor_char_filter.h"

#include "engine/gbk_chars.h"

namespace tabulex {

void EditorCharFilter::InsertLastResultAtLineStart() {
  EditorBuffer& editor = m_session.editor;
  if (!m_session.settings.autoInsertLastResult) return;
  // Only after a line break: the first line has no result above it to continue.
  const std::size_t caret = editor.Caret();
  if (caret == 0 || editor.ByteAt(caret - 1) != '\n') return;
  if (m_session.state.lastResult.empty()) return;
  editor.ReplaceSelection(m_session.state.lastResult);
}

KeyDisposition EditorCharFilter::OnChar(char32_t character) {
  EditorBuffer& editor = m_session.editor;
  switch (character) {
    case U'*':
      InsertLastResultAtLineStart();
      editor.ReplaceSelection(gbk::kTimes);
      return KeyDisposition::Discard;
    case U'/':
      InsertLastResultAtLineStart();
      editor.ReplaceSelection(gbk::kDivide);
      return KeyDisposition::Discard;
    case U'+':
    case U'-':
      InsertLastResultAtLineStart();
      return KeyDisposition::Proceed;
    default:
      break;
  }
  if (m_session.settings.laptopMode) {
    switch (character) {
      case U'=':
        editor.ReplaceSelection("+");
        return KeyDisposition::Discard;
      case U']':
        editor.ReplaceSelection(gbk::kTimes);
        return KeyDisposition::Discard;
      case U'[':
        editor.ReplaceSelection(gbk::kDivide);
        return KeyDisposition::Discard;
      default:
        break;
    }
  }
  return KeyDisposition::Proceed;
}

}  // namespace tabulex
