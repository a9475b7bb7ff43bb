// A whole text as tabulex-calc reads and writes it: the bytes of a file in UTF-8 or GBK with
// LF or CR LF line ends, and the calculation's view of it, GBK with CR LF.
#pragma once

#include <string>
#include <string_view>

#include "cli/cli_options.h"

namespace tabulex {

struct TextFormat {
  TextEncoding encoding{TextEncoding::Utf8};  // Utf8 or Gbk, never Detect
  bool crLf{false};                           // the text's line ends
  bool byteOrderMark{false};                  // a UTF-8 text that began with one
};

struct DecodedText {
  std::string gbk;  // lines end with CR LF
  TextFormat format;
};

bool IsValidUtf8(std::string_view bytes);

// Valid UTF-8 is read as UTF-8 unless asked otherwise, anything else as GBK. The text keeps
// the kind of line end its first line has; a lone LF becomes CR LF for the calculation.
DecodedText DecodeText(std::string_view bytes, TextEncoding requested);

// Back to the bytes of the original format.
std::string EncodeText(std::string_view gbk, const TextFormat& format);

}  // namespace tabulex
