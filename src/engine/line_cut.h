// Cutting the part of the caret's line that holds the expression, and where its result goes.
// With spaces separating expressions, the segment around the caret is taken and the result
// is followed by enough spaces that three separate it from the next expression.
#pragma once

#include <cstddef>
#include <string>

#include "engine/current_line.h"
#include "engine/editor_buffer.h"

namespace tabulex {

enum class SpaceMode { Ignored, Separates };

struct LineCut {
  std::string lineText;           // the expression part (without spaces when they are ignored)
  std::size_t insertPosition{0};  // where the result is written
  int separatorSpaces{0};         // spaces written after the result
  // The line text's bytes as they stand in the editor, for taking the line out.
  std::size_t removeStart{0};
  std::size_t removeLength{0};
};

LineCut CutLine(const EditorBuffer& editor, std::size_t caret, SpaceMode mode);

// The same cut from the whole current line. CutLine takes a space-separated segment from the
// bytes around the caret alone, so that a long line of many expressions costs no more than
// its expressions; this is the plain form it must agree with.
LineCut CutWholeLine(const EditorBuffer& editor, std::size_t caret, const CurrentLine& line,
                     SpaceMode mode);

}  // namespace tabulex
