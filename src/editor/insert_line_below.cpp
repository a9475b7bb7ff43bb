#include "editor/insert_line_below.h"

#include <string>

namespace tabulex {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

void InsertLineBelow(EditorBuffer& editor, std::string_view text) {
  const std::size_t caret = editor.Caret();
  const std::size_t length = editor.Length();
  std::size_t crlf = caret > 0 ? caret - 1 : 0;
  while (crlf + 1 < length && !(editor.ByteAt(crlf) == '\r' && editor.ByteAt(crlf + 1) == '\n')) {
    ++crlf;
  }
  if (crlf + 1 < length) {
    const std::size_t nextLine = crlf + 2;
    editor.SetCaret(nextLine);
    editor.ReplaceSelection(std::string(text) + std::string(kLineBreak));
    editor.SetCaret(nextLine + text.size());
  } else {
    editor.SetCaret(length);
    editor.ReplaceSelection(std::string(kLineBreak) + std::string(text) + std::string(kLineBreak));
    editor.SetCaret(length + kLineBreak.size() + text.size());
  }
}

}  // namespace tabulex
