#include "editor/editor_key_up_hook.h"

#include <string_view>

#include "editor/virtual_keys.h"
#include "engine/fraction_conversion.h"

namespace tabulex {
namespace {

// The symbol a main-keyboard digit stands for in quick input, or "" for none.
std::string_view QuickInputSymbol(int virtualKey) {
  switch (virtualKey - vk::kDigit0) {
    case 9:
      return "(";
    case 0:
      return ")";
    case 1:
      return "!";
    case 5:
      return "%";
    case 6:
      return "^";
    default:
      return {};
  }
}

}  // namespace

void EditorKeyUpHook::OnKeyUp(int virtualKey) {
  EditorBuffer& editor = m_session.editor;
  if (virtualKey == vk::kTab) {
    FractionConversion(m_session.Calc());
    return;
  }
  if (!m_session.settings.quickInput || virtualKey < vk::kDigit0 || virtualKey > vk::kDigit9) {
    return;
  }
  const std::string_view symbol = QuickInputSymbol(virtualKey);
  if (symbol.empty()) return;
  // Only the digit this key has just typed: a release after Ctrl+9, or while an input method
  // held the key, leaves the text alone.
  const std::size_t caret = editor.Caret();
  const char digit = static_cast<char>('0' + (virtualKey - vk::kDigit0));
  if (caret == 0 || editor.ByteAt(caret - 1) != digit) return;
  editor.Select(caret - 1, 1);
  editor.ReplaceSelection(symbol);
}

}  // namespace tabulex
