// CaretPositionDisplay: the row and column shown in the status bar's second part. The row
// counts the CR LF separated pieces of the text up to and including the byte just after the
// caret, the column is the byte length of the last of them, so a caret after a final CR LF
// shows the line before it. Only the text before the caret is read, in pieces.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "engine/editor_buffer.h"
#include "engine/status_sink.h"

namespace tabulex {

struct CaretPosition {
  std::size_t row{0};
  std::size_t column{0};
};

// Nothing for an empty text.
std::optional<CaretPosition> FindCaretPosition(const EditorBuffer& editor);

// " 行: " row ",列: " column "," in GBK.
std::string CaretPositionText(const CaretPosition& position);

// Shows the caret position in caretPosition; leaves it unchanged for an empty text.
void CaretPositionDisplay(const EditorBuffer& editor, StatusSink& caretPosition);

}  // namespace tabulex
