#include "editor/caret_position_display.h"

#include <algorithm>
#include <cstring>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

// Bytes read at a time: a large document is never copied whole.
constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

std::optional<CaretPosition> FindCaretPosition(const EditorBuffer& editor) {
  const std::size_t length = editor.Length();
  if (length == 0) return std::nullopt;
  const std::size_t end = std::min(editor.Caret() + 1, length);

  std::size_t separators = 0;
  std::size_t pieceStart = 0;        // start of the piece after the last CR LF
  std::size_t lastClosedLength = 0;  // length of the piece that CR LF ended
  char previous = '\0';              // last byte of the chunk before
  for (std::size_t chunkStart = 0; chunkStart < end; chunkStart += kChunk) {
    const std::string chunk = editor.Slice(chunkStart, std::min(kChunk, end - chunkStart));
    const char* const data = chunk.data();
    const char* lf = data;
    while ((lf = static_cast<const char*>(std::memchr(lf, '\n', chunk.size() - (lf - data))))) {
      const std::size_t index = static_cast<std::size_t>(lf - data);
      const char before = index > 0 ? data[index - 1] : previous;
      if (before == '\r') {
        const std::size_t lfOffset = chunkStart + index;
        ++separators;
        lastClosedLength = lfOffset - 1 - pieceStart;
        pieceStart = lfOffset + 1;
      }
      ++lf;
    }
    if (!chunk.empty()) previous = chunk.back();
  }
  // The piece after the last CR LF counts only when it is not empty.
  if (end > pieceStart) return CaretPosition{separators + 1, end - pieceStart};
  return CaretPosition{separators, lastClosedLength};
}

std::string CaretPositionText(const CaretPosition& position) {
  static const std::string row = Utf8ToGbk(" 行: ");
  static const std::string column = Utf8ToGbk(",列: ");
  return row + std::to_string(position.row) + column + std::to_string(position.column) + ",";
}

void CaretPositionDisplay(const EditorBuffer& editor, StatusSink& caretPosition) {
  if (const std::optional<CaretPosition> position = FindCaretPosition(editor)) {
    caretPosition.ShowStatus(CaretPositionText(*position));
  }
}

}  // namespace tabulex
