#include "editor/editor_key_handler.h"

#include <string_view>

#include "editor/virtual_keys.h"
#include "engine/calculate_current_line.h"
#include "engine/recalculation.h"

namespace tabulex {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool TwoSpacesBefore(const EditorBuffer& editor, std::size_t caret) {
  return caret >= 2 && editor.ByteAt(caret - 2) == ' ' && editor.ByteAt(caret - 1) == ' ';
}

}  // namespace

KeyDisposition EditorKeyHandler::OnKeyDown(int virtualKey, int modifiers) {
  EditorBuffer& editor = m_session.editor;
  const CalcSettings& settings = m_session.settings;

  // Space-separated expressions: a space typed is a wide gap, and Backspace takes it whole.
  if (settings.spaceSeparates && virtualKey == vk::kSpace) {
    editor.ReplaceSelection("  ");
    return KeyDisposition::Discard;
  }
  if (settings.spaceSeparates && virtualKey == vk::kBackspace) {
    const std::size_t caret = editor.Caret();
    if (TwoSpacesBefore(editor, caret)) {
      editor.Select(caret - 2, 2);
      editor.ReplaceSelection("");
      return KeyDisposition::Discard;
    }
  }

  if (virtualKey == vk::kGrave || virtualKey == vk::kProcessKey) {
    RecalculateLine(m_session.Calc());
    return KeyDisposition::Discard;
  }

  if (virtualKey == vk::kReturn) {
    const bool ctrlAlone = modifiers == kCtrl;
    // Ctrl+Enter does what Enter does not.
    const bool calculates = ctrlAlone == settings.enterInsertsNewLine;
    if (calculates) {
      CalculateCurrentLine(m_session.Calc());
    } else {
      editor.ReplaceSelection(kLineBreak);
    }
    return KeyDisposition::Discard;
  }

  if (settings.fullScreenKeyEnabled && modifiers == settings.fullScreenKeyModifier &&
      virtualKey == settings.fullScreenKeyCode) {
    m_session.window.ToggleFullScreen();
  }
  if (virtualKey == vk::kD && modifiers == kCtrl && m_session.window.IsFullScreen()) {
    m_session.window.ClearAll();
    // Nothing of the editor's own is wanted on the blank document.
    return KeyDisposition::Discard;
  }
  if (virtualKey == vk::kTab) return KeyDisposition::Discard;
  return KeyDisposition::Proceed;
}

}  // namespace tabulex
