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
    const std::size_t length = GbkCharLength(line, i);
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

LineCut CutLine(const EditorBuffer& editor, std::size_t caret, const CurrentLine& line,
                SpaceMode mode) {
  LineCut cut;
  const Content content = ContentOf(line.text);
  if (mode == SpaceMode::Ignored) {
    cut.lineText = RemoveSpaces(line.text);
    cut.insertPosition = line.lineStart + content.end;
    cut.removeStart = line.begin + content.first;
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
  cut.removeStart = line.begin + segmentBegin;
  cut.removeLength = segmentEnd - segmentBegin;
  if (a == std::string::npos) {
    cut.insertPosition = line.lineStart + content.end;
  } else {
    cut.insertPosition = FindSpace(editor, caret);
    cut.separatorSpaces = SeparatorSpacesFor(editor, caret);
  }
  return cut;
}

}  // namespace tabulex
