#include "cli/text_document.h"

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;   // no overlong forms
      if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

DecodedText DecodeText(std::string_view bytes, TextEncoding requested) {
  DecodedText decoded;
  TextFormat& format = decoded.format;
  format.encoding = requested != TextEncoding::Detect ? requested
                    : IsValidUtf8(bytes)              ? TextEncoding::Utf8
                                                      : TextEncoding::Gbk;
  if (format.encoding == TextEncoding::Utf8 && bytes.starts_with(kByteOrderMark)) {
    format.byteOrderMark = true;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  const std::size_t firstLf = bytes.find('\n');
  format.crLf = firstLf != std::string_view::npos && firstLf > 0 && bytes[firstLf - 1] == '\r';

  const std::string gbk =
      format.encoding == TextEncoding::Utf8 ? Utf8ToGbk(bytes) : std::string(bytes);
  decoded.gbk.reserve(gbk.size() + gbk.size() / 16);
  for (std::size_t i = 0; i < gbk.size(); ++i) {
    if (gbk[i] == '\n' && (i == 0 || gbk[i - 1] != '\r')) decoded.gbk += '\r';
    decoded.gbk += gbk[i];
  }
  return decoded;
}

std::string EncodeText(std::string_view gbk, const TextFormat& format) {
  std::string lines;
  if (format.crLf) {
    lines.assign(gbk);
  } else {
    lines.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size(); ++i) {
      if (gbk[i] == '\r' && i + 1 < gbk.size() && gbk[i + 1] == '\n') continue;
      lines += gbk[i];
    }
  }
  if (format.encoding == TextEncoding::Gbk) return lines;
  return (format.byteOrderMark ? std::string(kByteOrderMark) : std::string()) + GbkToUtf8(lines);
}

}  // namespace tabulex
