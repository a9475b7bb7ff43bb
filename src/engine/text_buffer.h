// The in-memory EditorBuffer: tests, tabulex-calc and commands that run many calculation
// steps on a copy of the document.
#pragma once

#include "engine/editor_buffer.h"

namespace tabulex {

class TextBuffer final : public EditorBuffer {
 public:
  TextBuffer() = default;
  explicit TextBuffer(std::string_view text) : m_text(text) {}

  std::size_t Length() const override { return m_text.size(); }
  char ByteAt(std::size_t offset) const override { return m_text[offset]; }
  std::string Slice(std::size_t start, std::size_t length) const override;

  std::size_t Caret() const override { return m_selectionStart; }
  std::size_t SelectionLength() const override { return m_selectionLength; }
  void Select(std::size_t start, std::size_t length) override;
  void ReplaceSelection(std::string_view text) override;
  void SetText(std::string_view text) override;

  const std::string& text() const { return m_text; }

 private:
  std::string m_text;
  std::size_t m_selectionStart{0};
  std::size_t m_selectionLength{0};
};

}  // namespace tabulex
