#include "engine/batch_calculation.h"

#include "engine/calculate_current_line.h"
#include "engine/gbk_text.h"

#include <algorithm>

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

// The stream behind a batch, if any: it fills the editor and takes the finished lines.
class Feed {
  // Finished text is handed over once this much of it lies before the caret.
  static constexpr std::size_t kHandOverBytes = 4096;

 public:
  explicit Feed(BatchStream* stream) : m_stream{stream} {}

  // Before a round: the caret's line complete (a CR LF after the caret, or the text's end), and
  // the lines before it handed over. The CR LF just before the caret's line stays: a round
  // looks at the byte before the caret.
  // The text is appended a line at a time, so the caret's line is complete once the text ends
  // with a CR LF that lies after the caret. The finished lines are handed over in batches, so
  // that the editor is not shifted for every line, yet stays small.
  void Refill(EditorBuffer& editor) {
    if (m_stream == nullptr) return;
    const std::size_t caret = editor.Caret();
    while (!m_ended && !(caret + 2 <= editor.Length() && IsCrLfAt(editor, editor.Length() - 2))) {
      std::optional<std::string> more = m_stream->NextText();
      if (!more) {
        m_ended = true;
        break;
      }
      editor.Select(editor.Length(), 0);
      editor.ReplaceSelection(*more);
    }
    std::size_t done = 0;
    if (caret >= kHandOverBytes) {
      // Up to the CR LF before the caret's line, which stays: a round looks at the byte before
      // the caret.
      const std::size_t from = caret - std::min(caret, kHandOverBytes);
      const std::string before = editor.Slice(from, caret - from);
      const std::size_t lineEnd =
          caret < 2 ? std::string::npos : before.rfind("\r\n", before.size() - 2);
      if (lineEnd != std::string::npos && from + lineEnd > 0) {
        done = from + lineEnd;
        m_stream->Finished(editor.Slice(0, done));
        editor.Select(0, done);
        editor.ReplaceSelection("");
      }
    }
    editor.SetCaret(caret - done);
  }

  // After the last round: the rest.
  void Finish(EditorBuffer& editor) {
    if (m_stream != nullptr) m_stream->Finished(editor.Text());
  }

 private:
  BatchStream* m_stream;
  bool m_ended{false};
};

void CalculateLines(const CalcContext& context, Feed& feed) {
  EditorBuffer& editor = context.editor;
  for (;;) {
    feed.Refill(editor);
    const std::size_t before = Remaining(editor);
    if (OnEmptyLastLine(editor)) return;
    CalculateCurrentLine(context);
    const std::size_t crlf = FindCrLf(editor, ByteBeforeCaret(editor));
    if (crlf == kNone) return;
    editor.SetCaret(crlf + 2);
    if (Remaining(editor) >= before) return;
  }
}

void CalculateExpressions(const CalcContext& context, Feed& feed) {
  EditorBuffer& editor = context.editor;
  for (;;) {
    feed.Refill(editor);
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

void Batch(const CalcContext& context, Feed feed) {
  feed.Refill(context.editor);
  context.editor.SetCaret(1);
  if (context.settings.spaceSeparates) {
    CalculateExpressions(context, feed);
  } else {
    CalculateLines(context, feed);
  }
  context.editor.SetCaret(1);
  feed.Finish(context.editor);
}

}  // namespace

void BatchCalculate(const CalcContext& context) {
  Batch(context, Feed(nullptr));
}

void BatchCalculate(const CalcContext& context, BatchStream& stream) {
  Batch(context, Feed(&stream));
}

}  // namespace tabulex
