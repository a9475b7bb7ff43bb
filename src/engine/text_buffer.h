// The in-memory EditorBuffer: tests, tabulex-calc and commands that run many calculation
// steps on a copy of the document. A gap buffer: edits at or near the previous edit cost
// nothing per byte of the document, so calculating a whole text line by line stays linear.
#pragma once

#include <string>

#include "engine/editor_buffer.h"

namespace tabulex {

class TextBuffer final : public EditorBuffer {
 public:
  TextBuffer() = default;
  explicit TextBuffer(std::string text)
      : m_data{std::move(text)}, m_gapStart{m_data.size()}, m_gapEnd{m_data.size()} {}

  std::size_t Length() const override { return m_data.size() - GapLength(); }
  char ByteAt(std::size_t offset) const override {
    return offset < m_gapStart ? m_data[offset] : m_data[offset + GapLength()];
  }
  std::string Slice(std::size_t start, std::size_t length) const override;
  std::size_t FindByte(char byte, std::size_t from) const override;
  std::size_t FindLastByte(char byte, std::size_t before) const override;

  std::size_t Caret() const override { return m_selectionStart; }
  std::size_t SelectionLength() const override { return m_selectionLength; }
  void Select(std::size_t start, std::size_t length) override;
  void ReplaceSelection(std::string_view text) override;
  void SetText(std::string_view text) override;

 private:
  std::size_t GapLength() const { return m_gapEnd - m_gapStart; }
  void MoveGap(std::size_t offset);
  void ReserveGap(std::size_t bytes);
  // Start of the character that contains offset.
  std::size_t CharStart(std::size_t offset) const;

  std::string m_data;  // the text before the gap, the gap, the text after it
  std::size_t m_gapStart{0};
  std::size_t m_gapEnd{0};
  std::size_t m_selectionStart{0};
  std::size_t m_selectionLength{0};
};

}  // namespace tabulex
