#include "engine/gbk_text.h"

#include <algorithm>

#include <iconv.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace tabulex {
namespace {

// An iconv descriptor for one direction, used for one character at a time.
class Converter {
 public:
  Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
  ~Converter() {
    if (m_cd != reinterpret_cast<iconv_t>(-1)) iconv_close(m_cd);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts one complete character; returns false when it has no form in the target.
  bool ConvertOne(std::string_view in, std::string& out) {
    if (m_cd == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[16];
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0) {
      return false;
    }
    out.assign(buffer, outPtr);
    return true;
  }

 private:
  iconv_t m_cd;
};

// Length of the UTF-8 sequence at offset and its code point, or 0 when it is not a valid
// sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t offset, std::uint32_t& code) {
  const auto lead = static_cast<unsigned char>(text[offset]);
  std::size_t length = 0;
  std::uint32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, minimum = 0x80, code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, minimum = 0x800, code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, minimum = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (offset + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[offset + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

// Conversions are remembered per character: iconv costs far more than a table look-up, and
// texts repeat their characters. GBK holds characters of the basic plane only.
class CharacterTables {
 public:
  // The two GBK bytes of a basic-plane code point, or false when it has none.
  bool ToGbk(std::uint32_t code, std::string_view utf8, char out[2]) {
    std::uint16_t& entry = m_toGbk[code];
    if (entry == kUnknown) {
      std::string gbk;
      entry = ToGbkConverter().ConvertOne(utf8, gbk) && gbk.size() == 2
                  ? static_cast<std::uint16_t>(static_cast<unsigned char>(gbk[0]) << 8 |
                                               static_cast<unsigned char>(gbk[1]))
                  : kNone;
    }
    if (entry == kNone) return false;
    out[0] = static_cast<char>(entry >> 8);
    out[1] = static_cast<char>(entry & 0xFF);
    return true;
  }

  // Appends the UTF-8 form of a two-byte GBK character, or false when it is none.
  bool FromGbk(std::string_view pair, std::string& out) {
    const auto index = static_cast<std::uint16_t>(static_cast<unsigned char>(pair[0]) << 8 |
                                                  static_cast<unsigned char>(pair[1]));
    std::uint32_t& entry = m_fromGbk[index];
    if (entry == kUnknown) {
      std::string utf8;
      entry = FromGbkConverter().ConvertOne(pair, utf8) && utf8.size() <= 3 ? Pack(utf8) : kNone;
    }
    if (entry == kNone) return false;
    const std::size_t length = entry >> 24;
    for (std::size_t k = 0; k < length; ++k) out += static_cast<char>(entry >> (16 - 8 * k));
    return true;
  }

 private:
  static constexpr std::uint16_t kUnknown = 0;
  static constexpr std::uint16_t kNone = 0xFFFF;  // no GBK pair ends in 0xFF

  static std::uint32_t Pack(const std::string& utf8) {
    std::uint32_t packed = static_cast<std::uint32_t>(utf8.size()) << 24;
    for (std::size_t k = 0; k < utf8.size(); ++k) {
      packed |= static_cast<std::uint32_t>(static_cast<unsigned char>(utf8[k])) << (16 - 8 * k);
    }
    return packed;
  }

  static Converter& ToGbkConverter() {
    thread_local Converter converter("GBK", "UTF-8");
    return converter;
  }
  static Converter& FromGbkConverter() {
    thread_local Converter converter("UTF-8", "GBK");
    return converter;
  }

  std::vector<std::uint16_t> m_toGbk = std::vector<std::uint16_t>(0x10000, kUnknown);
  std::vector<std::uint32_t> m_fromGbk = std::vector<std::uint32_t>(0x10000, kUnknown);
};

CharacterTables& Tables() {
  thread_local CharacterTables tables;
  return tables;
}

}  // namespace

std::size_t FirstNonAscii(std::string_view text) {
  // Eight bytes at a time: whole texts pass through here, and almost all of them are ASCII.
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + i, sizeof word);
    if ((word & 0x8080808080808080u) != 0) break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

namespace {

// Appends the run of ASCII bytes that starts at from, the same in both encodings; returns
// where it ends.
std::size_t AppendAsciiRun(std::string_view text, std::size_t from, std::string& out) {
  const std::size_t run = FirstNonAscii(text.substr(from));
  out.append(text.substr(from, run));
  return from + run;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  std::size_t unshown = 0;
  return Utf8ToGbk(utf8, unshown);
}

std::string Utf8ToGbk(std::string_view utf8, std::size_t& unshown) {
  // ASCII is the same in both, and most of what passes through here.
  const std::size_t ascii = FirstNonAscii(utf8);
  if (ascii == utf8.size()) return std::string(utf8);
  std::string out;
  out.reserve(utf8.size());
  out.assign(utf8.substr(0, ascii));
  for (std::size_t i = ascii; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      i = AppendAsciiRun(utf8, i, out);
      continue;
    }
    std::uint32_t code = 0;
    const std::size_t length = DecodeUtf8(utf8, i, code);
    char pair[2];
    if (length != 0 && code < 0x10000 && Tables().ToGbk(code, utf8.substr(i, length), pair)) {
      out.append(pair, 2);
    } else {
      out += '?';
      ++unshown;
    }
    i += length == 0 ? 1 : length;
  }
  return out;
}

std::size_t NonGbkCharacters(std::string_view gbk) {
  std::size_t count = 0;
  std::string scratch;
  for (std::size_t i = 0; i < gbk.size();) {
    const auto byte = static_cast<unsigned char>(gbk[i]);
    const std::size_t length = byte < 0x80 ? 1 : GbkCharLength(gbk, i);
    scratch.clear();
    if (byte >= 0x80 && (length != 2 || !Tables().FromGbk(gbk.substr(i, 2), scratch))) ++count;
    i += length;
  }
  return count;
}

std::size_t GbkLengthOf(std::uint32_t codePoint) {
  if (codePoint < 0x80 || codePoint >= 0x10000 || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return 1;
  }
  char utf8[3] = {static_cast<char>(0xE0 | (codePoint >> 12)),
                  static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)),
                  static_cast<char>(0x80 | (codePoint & 0x3F))};
  std::size_t length = 3;
  if (codePoint < 0x800) {
    utf8[0] = static_cast<char>(0xC0 | (codePoint >> 6));
    utf8[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
    length = 2;
  }
  char pair[2];
  return Tables().ToGbk(codePoint, std::string_view(utf8, length), pair) ? 2 : 1;
}

std::string GbkToUtf8(std::string_view gbk) {
  const std::size_t ascii = FirstNonAscii(gbk);
  if (ascii == gbk.size()) return std::string(gbk);
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  out.assign(gbk.substr(0, ascii));
  for (std::size_t i = ascii; i < gbk.size();) {
    if (static_cast<unsigned char>(gbk[i]) < 0x80) {
      i = AppendAsciiRun(gbk, i, out);
      continue;
    }
    const std::size_t length = GbkCharLength(gbk, i);
    if (length != 2 || !Tables().FromGbk(gbk.substr(i, 2), out)) out += '?';
    i += length;
  }
  return out;
}

std::size_t GbkCharStart(std::string_view text, std::size_t offset) {
  if (offset >= text.size()) return text.size();
  return GbkCharStartWith(offset, text.size(), [text](std::size_t i) { return text[i]; });
}

}  // namespace tabulex
