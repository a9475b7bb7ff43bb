#include "engine/text_buffer.h"

#include <string.h>
#include <algorithm>

#include <cstring>

#include "engine/gbk_text.h"

namespace tabulex {

std::string TextBuffer::Slice(std::size_t start, std::size_t length) const {
  const std::size_t size = Length();
  if (start >= size) return {};
  const std::size_t end = start + std::min(length, size - start);
  std::string out;
  out.reserve(end - start);
  if (start < m_gapStart) out.append(m_data, start, std::min(end, m_gapStart) - start);
  if (end > m_gapStart) {
    const std::size_t from = std::max(start, m_gapStart);
    out.append(m_data, from + GapLength(), end - from);
  }
  return out;
}

std::size_t TextBuffer::FindByte(char byte, std::size_t from) const {
  // The text before the gap, then the text after it.
  const std::size_t length = Length();
  if (from < m_gapStart) {
    const void* found = std::memchr(m_data.data() + from, byte, m_gapStart - from);
    if (found != nullptr)
      return static_cast<std::size_t>(static_cast<const char*>(found) - m_data.data());
    from = m_gapStart;
  }
  if (from >= length) return length;
  const char* after = m_data.data() + GapLength();
  const void* found = std::memchr(after + from, byte, length - from);
  return found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - after)
                          : length;
}

std::size_t TextBuffer::FindLastByte(char byte, std::size_t before) const {
  // The text after the gap, then the text before it.
  before = std::min(before, Length());
  if (before > m_gapStart) {
    const char* after = m_data.data() + GapLength();
    const void* found = ::memrchr(after + m_gapStart, byte, before - m_gapStart);
    if (found != nullptr) return static_cast<std::size_t>(static_cast<const char*>(found) - after);
    before = m_gapStart;
  }
  const void* found = ::memrchr(m_data.data(), byte, before);
  return found != nullptr
             ? static_cast<std::size_t>(static_cast<const char*>(found) - m_data.data())
             : kNoByte;
}

std::size_t TextBuffer::CharStart(std::size_t offset) const {
  return GbkCharStartWith(offset, Length(), [this](std::size_t i) { return ByteAt(i); });
}

void TextBuffer::Select(std::size_t start, std::size_t length) {
  const std::size_t size = Length();
  start = std::min(start, size);
  const std::size_t end = start + std::min(length, size - start);
  m_selectionStart = CharStart(start);
  const std::size_t selectionEnd = end == start ? m_selectionStart : CharStart(end);
  m_selectionLength = selectionEnd - m_selectionStart;
}

void TextBuffer::MoveGap(std::size_t offset) {
  const std::size_t gap = GapLength();
  if (offset < m_gapStart) {
    const std::size_t count = m_gapStart - offset;
    std::memmove(&m_data[offset + gap], &m_data[offset], count);
  } else if (offset > m_gapStart) {
    const std::size_t count = offset - m_gapStart;
    std::memmove(&m_data[m_gapStart], &m_data[m_gapEnd], count);
  }
  m_gapStart = offset;
  m_gapEnd = offset + gap;
}

void TextBuffer::ReserveGap(std::size_t bytes) {
  if (GapLength() >= bytes) return;
  const std::size_t tail = m_data.size() - m_gapEnd;
  const std::size_t newSize = std::max(m_data.size() * 2, Length() + bytes + 64);
  m_data.resize(newSize);
  // Move the text after the gap to the end of the larger buffer.
  std::memmove(&m_data[newSize - tail], &m_data[m_gapEnd], tail);
  m_gapEnd = newSize - tail;
}

void TextBuffer::ReplaceSelection(std::string_view text) {
  MoveGap(m_selectionStart);
  m_gapEnd += m_selectionLength;  // the selection falls into the gap
  ReserveGap(text.size());
  std::memcpy(&m_data[m_gapStart], text.data(), text.size());
  m_gapStart += text.size();
  m_selectionStart = m_gapStart;
  m_selectionLength = 0;
}

void TextBuffer::SetText(std::string_view text) {
  m_data.assign(text);
  m_gapStart = m_gapEnd = m_data.size();
  m_selectionStart = 0;
  m_selectionLength = 0;
}

}  // namespace tabulex
