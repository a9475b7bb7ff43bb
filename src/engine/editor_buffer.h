// The calculation's view of the main editor: GBK bytes, lines separated by CR LF, 0-based
// byte offsets. The caret is the selection start. Implementations keep a selection boundary
// out of the middle of a two-byte character (it moves to the character's start) and clamp
// offsets beyond the end of the text to the end.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/gbk_text.h"

namespace tabulex {

class EditorBuffer {
 public:
  virtual ~EditorBuffer() = default;

  virtual std::size_t Length() const = 0;
  virtual char ByteAt(std::size_t offset) const = 0;
  // The bytes [start, start + length), cut at the end of the text.
  virtual std::string Slice(std::size_t start, std::size_t length) const = 0;
  std::string Text() const { return Slice(0, Length()); }
  // Offset of the first byte equal to byte at or after from, or Length(). Line ends are found
  // with it on every calculation, so a buffer that holds its bytes together searches faster.
  virtual std::size_t FindByte(char byte, std::size_t from) const {
    const std::size_t length = Length();
    while (from < length && ByteAt(from) != byte) ++from;
    return std::min(from, length);
  }
  // Offset of the last byte equal to byte before `before`, or kNoByte. The line around the
  // caret is found with it.
  static constexpr std::size_t kNoByte = static_cast<std::size_t>(-1);
  virtual std::size_t FindLastByte(char byte, std::size_t before) const {
    for (std::size_t i = std::min(before, Length()); i-- > 0;) {
      if (ByteAt(i) == byte) return i;
    }
    return kNoByte;
  }

  virtual std::size_t Caret() const = 0;
  virtual std::size_t SelectionLength() const = 0;
  virtual void Select(std::size_t start, std::size_t length) = 0;
  void SetCaret(std::size_t offset) { Select(offset, 0); }
  // Replaces the selection; the caret then stands after the inserted text.
  virtual void ReplaceSelection(std::string_view text) = 0;
  virtual void SetText(std::string_view text) = 0;
};

// Start of the character that holds the byte at offset (see GbkCharStartWith).
inline std::size_t CharStartIn(const EditorBuffer& editor, std::size_t offset) {
  return GbkCharStartWith(offset, editor.Length(),
                          [&editor](std::size_t i) { return editor.ByteAt(i); });
}

}  // namespace tabulex
