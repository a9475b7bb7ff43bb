#include "cli/text_stream.h"

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool TextStream::ReadLine(std::string& line, std::string_view& lineEnd) {
  if (m_pending.empty()) {
    if (!m_in || !std::getline(m_in, m_pending, '\n')) return false;
    if (!m_in.eof()) m_pending += '\n';
  }
  // A lone CR ends a line too; CR LF is one line end. getline stopped at the first LF, so an
  // LF can only be the last byte.
  const std::size_t cr = m_pending.find('\r');
  const bool lf = m_pending.ends_with('\n');
  if (cr == std::string::npos || (lf && cr + 2 == m_pending.size())) {
    lineEnd = cr != std::string::npos ? "\r\n" : lf ? "\n" : "";
    line.swap(m_pending);
    m_pending.clear();
    line.resize(line.size() - lineEnd.size());
  } else {
    lineEnd = "\r";
    line.assign(m_pending, 0, cr);
    m_pending.erase(0, cr + 1);
  }
  return true;
}

void TextStream::Decide(std::string_view line) {
  if (m_encoding) return;
  const std::size_t first = FirstNonAscii(line);
  if (first == line.size()) return;  // ASCII alike in both
  m_encoding = IsValidUtf8(line.substr(first)) ? FileEncoding::Utf8 : FileEncoding::Gbk;
}

std::optional<std::string> TextStream::NextText() {
  if (OutputFailed()) return std::nullopt;
  std::string line;
  std::string_view lineEnd;
  if (!ReadLine(line, lineEnd)) return std::nullopt;
  if (!m_started) {
    m_started = true;
    if (line.starts_with(kByteOrderMark) &&
        m_encoding.value_or(FileEncoding::Utf8) == FileEncoding::Utf8) {
      m_encoding = FileEncoding::Utf8;
      m_byteOrderMark = true;
      line.erase(0, kByteOrderMark.size());
    }
  }
  Decide(line);
  if (!lineEnd.empty() && !m_lineEnd) {
    m_lineEnd = lineEnd == "\r\n" ? LineEnd::CrLf : lineEnd == "\n" ? LineEnd::Lf : LineEnd::Cr;
  }
  if (m_encoding == FileEncoding::Utf8 && FirstNonAscii(line) != line.size()) {
    line = Utf8ToGbk(line);
  }
  if (!lineEnd.empty()) line += "\r\n";
  return line;
}

TextFileFormat TextStream::Format() const {
  TextFileFormat format;
  format.encoding = m_encoding.value_or(FileEncoding::Utf8);
  format.byteOrderMark = false;  // written once, at the start
  format.lineEnd =
      m_lineEnd.value_or(format.encoding == FileEncoding::Utf8 ? LineEnd::Lf : LineEnd::CrLf);
  return format;
}

void TextStream::Finished(std::string_view gbk) {
  if (gbk.empty() || OutputFailed()) return;
  std::string bytes = EncodeText(gbk, Format());
  if (m_byteOrderMark) {
    bytes.insert(0, kByteOrderMark);
    m_byteOrderMark = false;
  }
  m_outputFailed = !m_write(bytes);
}

}  // namespace tabulex
