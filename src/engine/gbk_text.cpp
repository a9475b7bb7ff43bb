#include "engine/gbk_text.h"

#include <iconv.h>

#include <cstdint>

namespace tabulex {
namespace {

// One conversion descriptor per direction and thread: opening one costs far more than a
// conversion, and the calculation converts on every status message.
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

Converter& ToGbk() {
  thread_local Converter converter("GBK", "UTF-8");
  return converter;
}

Converter& FromGbk() {
  thread_local Converter converter("UTF-8", "GBK");
  return converter;
}

// Length of the UTF-8 sequence at offset, or 0 when it is not a valid sequence.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t offset) {
  const auto lead = static_cast<unsigned char>(text[offset]);
  std::size_t length = 0;
  std::uint32_t minimum = 0;
  std::uint32_t code = 0;
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

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::string one;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x80) {
      out += static_cast<char>(byte);
      ++i;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(utf8, i);
    if (length == 0) {
      out += '?';
      ++i;
      continue;
    }
    if (ToGbk().ConvertOne(utf8.substr(i, length), one) && one.size() == 2) {
      out += one;
    } else {
      out += '?';
    }
    i += length;
  }
  return out;
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  std::string one;
  for (std::size_t i = 0; i < gbk.size();) {
    const auto byte = static_cast<unsigned char>(gbk[i]);
    if (byte < 0x80) {
      out += static_cast<char>(byte);
      ++i;
      continue;
    }
    const std::size_t length = GbkCharLength(gbk, i);
    out += length == 2 && FromGbk().ConvertOne(gbk.substr(i, 2), one) ? one : std::string("?");
    i += length;
  }
  return out;
}

std::size_t GbkCharStart(std::string_view text, std::size_t offset) {
  if (offset >= text.size()) return text.size();
  // A byte below 0x40 is a character of its own and never the second byte of one: the walk
  // starts right after the nearest such byte.
  std::size_t position = offset;
  while (position > 0 && static_cast<unsigned char>(text[position - 1]) >= 0x40) --position;
  while (position < offset) {
    const std::size_t next = position + GbkCharLength(text, position);
    if (next > offset) return position;
    position = next;
  }
  return offset;
}

}  // namespace tabulex
