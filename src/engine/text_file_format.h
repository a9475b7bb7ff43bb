// A text file's bytes and the program's text: the file's encoding (UTF-8, with or without a
// byte-order mark, or GBK) and its line ends (CR LF, LF or CR) are found on reading and given
// back on writing. Inside the program a text is GBK with CR LF, as everywhere else; the
// conversion happens only here, at the file's edge.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tabulex {

enum class FileEncoding { Gbk, Utf8 };
enum class LineEnd { CrLf, Lf, Cr };

struct TextFileFormat {
  FileEncoding encoding{FileEncoding::Gbk};
  bool byteOrderMark{false};  // a UTF-8 file that began with one
  LineEnd lineEnd{LineEnd::CrLf};

  friend bool operator==(const TextFileFormat&, const TextFileFormat&) = default;
};

struct DecodedText {
  std::string gbk;  // lines end with CR LF
  TextFileFormat format;
  // Characters the editor cannot show: outside GBK (in the text as "?"), or GBK bytes that are
  // no character (kept in the text, shown as "?"). A save from the editor writes "?" for them.
  std::size_t unshownCharacters{0};
};

bool IsValidUtf8(std::string_view bytes);

// The encoding as given, or found: valid UTF-8 is read as UTF-8, anything else as GBK. The
// line ends take the kind of the first one (a file without any: CR LF in GBK, LF in UTF-8);
// every line end of whatever kind becomes CR LF, a final one too, so that writing the text back
// gives the file's own bytes again.
DecodedText DecodeText(std::string_view bytes, std::optional<FileEncoding> encoding = std::nullopt);

// The text's bytes in the format: its encoding, byte-order mark and line ends.
std::string EncodeText(std::string_view gbk, const TextFileFormat& format);

}  // namespace tabulex
