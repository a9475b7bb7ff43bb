// GBK text helpers. The engine and the editor logic count everything in GBK bytes, so texts
// are std::string holding GBK; conversion to and from UTF-8 happens only at the edges
// (widgets, terminal, clipboard) through these functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tabulex {

// True for a byte that starts a two-byte GBK character.
inline bool IsGbkLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

// True for a byte that can end a two-byte GBK character.
inline bool IsGbkTrailByte(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// Length in bytes of the character that starts at offset: 2 for a lead byte followed by a
// trail byte, else 1. Walking a text with it never splits a two-byte character, and a stray
// lead byte never swallows a line break.
inline std::size_t GbkCharLength(std::string_view text, std::size_t offset) {
  return offset + 1 < text.size() && IsGbkLeadByte(static_cast<unsigned char>(text[offset])) &&
                 IsGbkTrailByte(static_cast<unsigned char>(text[offset + 1]))
             ? 2
             : 1;
}

// Offset of the first byte of 0x80 or above (the first that is not ASCII), or the text's size.
std::size_t FirstNonAscii(std::string_view text);

// UTF-8 to GBK. Only characters whose GBK form is ASCII or exactly two bytes may enter a
// document; anything else (emoji, characters outside GBK, the euro sign, invalid UTF-8)
// becomes "?", so a round trip never loses or mangles a character.
std::string Utf8ToGbk(std::string_view utf8);
// The same, counting the characters that became "?" (a "?" of the text itself is not counted).
std::string Utf8ToGbk(std::string_view utf8, std::size_t& unshown);

// The byte sequences of a GBK text that are no GBK character: the editor shows each as "?".
std::size_t NonGbkCharacters(std::string_view gbk);

// Bytes a Unicode character takes in GBK text: 1 for ASCII and for a character GBK cannot
// hold (it becomes "?"), 2 for every other character.
std::size_t GbkLengthOf(std::uint32_t codePoint);

// GBK to UTF-8. A byte sequence that is not a GBK character becomes "?".
std::string GbkToUtf8(std::string_view gbk);

// Start of the character that contains offset: an offset inside a two-byte character moves
// back to the character's start.
std::size_t GbkCharStart(std::string_view text, std::size_t offset);

// The same over any text of length bytes, byteAt(i) giving the byte at i. Going backwards the
// second byte of a character may look like a character of its own, so the walk goes forward,
// from just after the nearest byte below 0x40, which is never the second byte of one. An
// offset at the end is its own start.
template <typename ByteAt>
std::size_t GbkCharStartWith(std::size_t offset, std::size_t length, const ByteAt& byteAt) {
  std::size_t position = offset;
  while (position > 0 && static_cast<unsigned char>(byteAt(position - 1)) >= 0x40) --position;
  while (position < offset) {
    const bool pair = position + 1 < length &&
                      IsGbkLeadByte(static_cast<unsigned char>(byteAt(position))) &&
                      IsGbkTrailByte(static_cast<unsigned char>(byteAt(position + 1)));
    const std::size_t next = position + (pair ? 2 : 1);
    if (next > offset) return position;
    position = next;
  }
  return offset;
}

}  // namespace tabulex
