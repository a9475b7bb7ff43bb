// Finding the caret's line. Lines are separated by CR LF; the line is found from the first
// caret + 1 bytes of the text, so a caret standing between CR and LF, or at the very end of a
// text that ends with CR LF, belongs to the line before it.
#pragma once

#include <cstddef>
#include <string>

#include "engine/editor_buffer.h"

namespace tabulex {

struct CurrentLine {
  std::string text;      // the line without its CR LF
  std::size_t begin{0};  // offset of the line's first byte
  // Offset just after the last LF before the caret, or 0. It differs from begin only when
  // the caret stands at the end of a text that ends with CR LF: it is then the end of the
  // text, which is where a result for the line before ends up.
  std::size_t lineStart{0};
};

CurrentLine FindCurrentLine(const EditorBuffer& editor, std::size_t caret);

}  // namespace tabulex
