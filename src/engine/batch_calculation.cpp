#include "engine/batch_calculation.h"

#include "engine/calculate_current_line.h"
#include "engine/gbk_text.h"

namespace tabulex {
namespace {

bool IsCrLfAt(const EditorBuffer& editor, std::size_t offset) {
  return offset + 1 < editor.Length() && editor.ByteAt(offset) == '\r' &&
         editor.ByteAt(offset + 1) == '\n';
}

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The first CR LF at or after from, or kNone.
std::size_t FindCrLf(const EditorBuffer& editor, std::size_t from) {
  for (std::size_t i = from; i + 1 < editor.Length(); ++i) {
    if (IsCrLfAt(editor, i)) return i;
  }
  return kNone;
}

// The nearer of the first space and the first CR LF at or after from, or kNone. One scan
// that stops at the first of either, so a text without spaces costs no more than its lines.
std::size_t FindSeparator(const EditorBuffer& editor, std::size_t from) {
  for (std::size_t i = from; i < editor.Length(); ++i) {
    if (editor.ByteAt(i) == ' ' || IsCrLfAt(editor, i)) return i;
  }
  return kNone;
}

std::size_t ByteBeforeCaret(const EditorBuffer& editor) {
  return editor.Caret() == 0 ? 0 : editor.Caret() - 1;
}

// Bytes after the caret: every round of a batch must lower it, or the batch ends. The rounds
// below always do; this guards the end of the text and anything unforeseen.
std::size_t Remaining(const EditorBuffer& editor) {
  return editor.Length() - editor.Caret();
}

// The empty line after a final line break: a calculation there would take the line before
// it again and, when its result is not a bare number (a fraction, a power of ten), write that
// result once more at the end of the text.
bool OnEmptyLastLine(const EditorBuffer& editor) {
  const std::size_t length = editor.Length();
  return editor.Caret() == length && length >= 2 && IsCrLfAt(editor, length - 2);
}

void CalculateLines(const CalcContext& context) {
  EditorBuffer& editor = context.editor;
  for (;;) {
    const std::size_t before = Remaining(editor);
    if (OnEmptyLastLine(editor)) return;
    CalculateCurrentLine(context);
    const std::size_t crlf = FindCrLf(editor, ByteBeforeCaret(editor));
    if (crlf == kNone) return;
    editor.SetCaret(crlf + 2);
    if (Remaining(editor) >= before) return;
  }
}

void CalculateExpressions(const CalcContext& context) {
  EditorBuffer& editor = context.editor;
  for (;;) {
    const std::size_t before = Remaining(editor);
    const std::size_t caret = editor.Caret();
    const bool afterSpace = caret > 0 && editor.ByteAt(caret - 1) == ' ';
    if (afterSpace || (caret > 0 && IsCrLfAt(editor, caret - 1))) {
      // Skip the separator: a whole character on, so the caret never lands inside one.
      if (caret >= editor.Length()) return;
      editor.SetCaret(caret + (IsGbkLeadByte(static_cast<unsigned char>(editor.ByteAt(caret))) &&
                                       caret + 1 < editor.Length()
                                   ? 2
                                   : 1));
    } else {
      if (OnEmptyLastLine(editor)) return;
      CalculateCurrentLine(context);
      const std::size_t separator = FindSeparator(editor, ByteBeforeCaret(editor));
      if (separator == kNone) return;
      editor.SetCaret(separator + 1);
    }
    if (Remaining(editor) >= before) return;
  }
}

}  // namespace

void BatchCalculate(const CalcContext& context) {
  context.editor.SetCaret(1);
  if (context.settings.spaceSeparates) {
    CalculateExpressions(context);
  } else {
    CalculateLines(context);
  }
  context.editor.SetCaret(1);
}

}  // namespace tabulex
