// A text on a new line of its own below the caret's line, the caret at the end of that text:
// the Alt gesture's copy of the selection and the accumulator's combined expression.
#pragma once

#include <string_view>

#include "engine/editor_buffer.h"

namespace tabulex {

// The caret's line ends at the first CR LF from the byte just before the caret on. The text
// and a CR LF go in right after it; on the last line a CR LF, the text and a CR LF are added
// at the end of the text.
void InsertLineBelow(EditorBuffer& editor, std::string_view text);

}  // namespace tabulex
