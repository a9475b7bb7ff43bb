#include "engine/text_buffer.h"

#include <algorithm>

#include "engine/gbk_text.h"

namespace tabulex {

std::string TextBuffer::Slice(std::size_t start, std::size_t length) const {
  if (start >= m_text.size()) return {};
  return m_text.substr(start, length);
}

void TextBuffer::Select(std::size_t start, std::size_t length) {
  const std::size_t size = m_text.size();
  const std::size_t begin = GbkCharStart(m_text, std::min(start, size));
  const std::size_t end =
      GbkCharStart(m_text, std::min(size, std::min(start, size) + std::min(length, size)));
  m_selectionStart = begin;
  m_selectionLength = end > begin ? end - begin : 0;
}

void TextBuffer::ReplaceSelection(std::string_view text) {
  m_text.replace(m_selectionStart, m_selectionLength, text);
  m_selectionStart += text.size();
  m_selectionLength = 0;
}

void TextBuffer::SetText(std::string_view text) {
  m_text.assign(text);
  m_selectionStart = 0;
  m_selectionLength = 0;
}

}  // namespace tabulex
