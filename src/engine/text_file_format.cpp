#include "engine/text_file_format.h"

#include <algorithm>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The kind of the first line end, if there is one.
std::optional<LineEnd> FirstLineEnd(std::string_view bytes) {
  const std::size_t at = bytes.find_first_of("\r\n");
  if (at == std::string_view::npos) return std::nullopt;
  if (bytes[at] == '\n') return LineEnd::Lf;
  return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
}

// Every CR LF, lone CR and lone LF as CR LF. GBK never uses CR or LF as a character's second
// byte, so the bytes can be looked at one by one.
std::string WithCrLf(std::string_view text) {
  std::string lines;
  lines.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      lines += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      lines += "\r\n";
    } else {
      lines += text[i];
    }
  }
  return lines;
}

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

DecodedText DecodeText(std::string_view bytes, std::optional<FileEncoding> encoding) {
  DecodedText decoded;
  TextFileFormat& format = decoded.format;
  format.encoding = encoding             ? *encoding
                    : IsValidUtf8(bytes) ? FileEncoding::Utf8
                                         : FileEncoding::Gbk;
  if (format.encoding == FileEncoding::Utf8 && bytes.starts_with(kByteOrderMark)) {
    format.byteOrderMark = true;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  format.lineEnd = FirstLineEnd(bytes).value_or(
      format.encoding == FileEncoding::Utf8 ? LineEnd::Lf : LineEnd::CrLf);
  if (format.encoding == FileEncoding::Utf8) {
    decoded.gbk = WithCrLf(Utf8ToGbk(bytes, decoded.unshownCharacters));
  } else {
    decoded.unshownCharacters = NonGbkCharacters(bytes);
    decoded.gbk = WithCrLf(bytes);
  }
  return decoded;
}

std::string EncodeText(std::string_view gbk, const TextFileFormat& format) {
  std::string lines;
  if (format.lineEnd == LineEnd::CrLf) {
    lines.assign(gbk);
  } else {
    const char lineEnd = format.lineEnd == LineEnd::Lf ? '\n' : '\r';
    lines.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size();) {
      const std::size_t cr = std::min(gbk.find('\r', i), gbk.size());
      lines.append(gbk.substr(i, cr - i));
      if (cr + 1 < gbk.size() && gbk[cr + 1] == '\n') {
        lines += lineEnd;
        i = cr + 2;
      } else {
        if (cr < gbk.size()) lines += '\r';
        i = cr + 1;
      }
    }
  }
  if (format.encoding == FileEncoding::Gbk) return lines;
  return (format.byteOrderMark ? std::string(kByteOrderMark) : std::string()) + GbkToUtf8(lines);
}

}  // namespace tabulex
