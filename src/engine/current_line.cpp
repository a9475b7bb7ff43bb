#include "engine/current_line.h"

#include <algorithm>

namespace tabulex {
namespace {

bool IsCrLfAt(const EditorBuffer& editor, std::size_t offset) {
  return offset + 1 < editor.Length() && editor.ByteAt(offset) == '\r' &&
         editor.ByteAt(offset + 1) == '\n';
}

// Offset just after the last CR LF that ends before limit, or 0.
std::size_t AfterLastCrLfBefore(const EditorBuffer& editor, std::size_t limit) {
  for (std::size_t lf = editor.FindLastByte('\n', limit); lf != EditorBuffer::kNoByte && lf > 0;
       lf = editor.FindLastByte('\n', lf)) {
    if (editor.ByteAt(lf - 1) == '\r') return lf + 1;
  }
  return 0;
}

}  // namespace

CurrentLine FindCurrentLine(const EditorBuffer& editor, std::size_t caret) {
  const std::size_t length = editor.Length();
  caret = std::min(caret, length);
  CurrentLine line;
  if (const std::size_t lf = editor.FindLastByte('\n', caret); lf != EditorBuffer::kNoByte) {
    line.lineStart = lf + 1;
  }
  if (length == 0) return line;

  // The first caret + 1 bytes decide the line: when they end with CR LF, it is the line that
  // CR LF ends; otherwise the line that begins after their last CR LF.
  const std::size_t prefix = std::min(caret + 1, length);
  std::size_t end = 0;
  if (prefix >= 2 && IsCrLfAt(editor, prefix - 2)) {
    end = prefix - 2;
    line.begin = AfterLastCrLfBefore(editor, end);
  } else {
    line.begin = AfterLastCrLfBefore(editor, prefix);
    end = editor.FindByte('\r', line.begin);
    while (end < length && !IsCrLfAt(editor, end)) end = editor.FindByte('\r', end + 1);
  }
  line.text = editor.Slice(line.begin, end - line.begin);
  return line;
}

}  // namespace tabulex
