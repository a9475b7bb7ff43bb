#include "engine/line_cut.h"

#include <algorithm>

#include "engine/expression_text.h"
#include "engine/gbk_text.h"

namespace tabulex {
namespace {

struct Content {
  std::size_t first{0};  // first byte that is not a space
  std::size_t end{0};    // just after the last byte that is not a space
};

Content ContentOf(const std::string& line) {
  Content content;
  bool seen = false;
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t length =
        static_cast<unsigned char>(line[i]) < 0x80 ? 1 : GbkCharLength(line, i);
    if (!IsSpaceAt(line, i)) {
      if (!seen) content.first = i;
      seen = true;
      content.end = i + length;
    }
    i += length;
  }
  if (!seen) content.first = content.end = 0;
  return content;
}

// Offset of the first ASCII space at or after from, or the end of the text.
std::size_t FindSpace(const EditorBuffer& editor, std::size_t from) {
  const std::size_t length = editor.Length();
  while (from < length && editor.ByteAt(from) != ' ') ++from;
  return from;
}

// Three spaces separate a result from the next expression: a run of 3 or more needs none
// added, 2 needs one, 1 needs two.
int SeparatorSpacesFor(const EditorBuffer& editor, std::size_t caret) {
  std::size_t run = 0;
  for (std::size_t i = FindSpace(editor, caret == 0 ? 0 : caret - 1);
       i < editor.Length() && editor.ByteAt(i) == ' '; ++i) {
    ++run;
  }
  return run >= 3 ? 0 : run == 2 ? 1 : run == 1 ? 2 : 0;
}

}  // namespace

LineCut CutWholeLine(const EditorBuffer& editor, std::size_t caret, const CurrentLine& line,
                     SpaceMode mode) {
  LineCut cut;
  const Content content = ContentOf(line.text);
  if (mode == SpaceMode::Ignored) {
    cut.lineText = RemoveSpaces(line.text);
    cut.insertPosition = line.lineStart + content.end;
    cut.removeStart = content.end > content.first ? line.begin + content.first : caret;
    cut.removeLength = content.end - content.first;
    return cut;
  }

  const std::string& text = line.text;
  const std::size_t column = caret - line.lineStart + 1;
  // B: the last space before the caret; A: the first space at or after it.
  const std::size_t searchEnd = std::min(column - 1, text.size());
  const std::size_t b = searchEnd == 0 ? std::string::npos : text.rfind(' ', searchEnd - 1);
  const std::size_t a = column - 1 < text.size() ? text.find(' ', column - 1) : std::string::npos;
  const std::size_t segmentBegin = b == std::string::npos ? 0 : b + 1;
  const std::size_t segmentEnd = a == std::string::npos ? text.size() : a;
  cut.lineText = text.substr(segmentBegin, segmentEnd - segmentBegin);
  cut.removeStart = segmentEnd > segmentBegin ? line.begin + segmentBegin : caret;
  cut.removeLength = segmentEnd - segmentBegin;
  if (a == std::string::npos) {
    cut.insertPosition = line.lineStart + content.end;
  } else {
    cut.insertPosition = FindSpace(editor, caret);
    cut.separatorSpaces = SeparatorSpacesFor(editor, caret);
  }
  return cut;
}

LineCut CutLine(const EditorBuffer& editor, std::size_t caret, SpaceMode mode) {
  const std::size_t length = editor.Length();
  caret = std::min(caret, length);
  // A caret between CR and LF, or at the end of a text ending with CR LF, belongs to the line
  // before it: the whole-line rule settles those.
  const bool betweenCrLf = caret > 0 && caret < length && editor.ByteAt(caret - 1) == '\r' &&
                           editor.ByteAt(caret) == '\n';
  const bool afterFinalCrLf = caret == length && length >= 2 && editor.ByteAt(length - 2) == '\r' &&
                              editor.ByteAt(length - 1) == '\n';
  if (mode == SpaceMode::Ignored || betweenCrLf || afterFinalCrLf) {
    return CutWholeLine(editor, caret, FindCurrentLine(editor, caret), mode);
  }

  // B: the last space before the caret on its line, found walking back no further than it.
  std::size_t segmentBegin = caret;
  for (; segmentBegin > 0; --segmentBegin) {
    const char c = editor.ByteAt(segmentBegin - 1);
    if (c == ' ') break;
    if (c == '\n') {
      // A lone LF starts no line of its own; leave that to the whole-line rule.
      if (segmentBegin < 2 || editor.ByteAt(segmentBegin - 2) != '\r') {
        return CutWholeLine(editor, caret, FindCurrentLine(editor, caret), mode);
      }
      break;
    }
  }
  // A: the first space at or after the caret, before the line's end.
  std::size_t segmentEnd = caret;
  while (segmentEnd < length && editor.ByteAt(segmentEnd) != ' ' &&
         !(editor.ByteAt(segmentEnd) == '\r' && segmentEnd + 1 < length &&
           editor.ByteAt(segmentEnd + 1) == '\n')) {
    ++segmentEnd;
  }
  const bool spaceAfter = segmentEnd < length && editor.ByteAt(segmentEnd) == ' ';

  LineCut cut;
  cut.lineText = editor.Slice(segmentBegin, segmentEnd - segmentBegin);
  cut.removeStart = segmentEnd > segmentBegin ? segmentBegin : caret;
  cut.removeLength = segmentEnd - segmentBegin;
  if (spaceAfter) {
    cut.insertPosition = segmentEnd;
    cut.separatorSpaces = SeparatorSpacesFor(editor, caret);
  } else {
    // No space follows, so the line's content ends inside this segment (when it holds any).
    cut.insertPosition = segmentBegin + ContentOf(cut.lineText).end;
  }
  return cut;
}

}  // namespace tabulex
