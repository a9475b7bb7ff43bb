#include "editor/recovery_file.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>

#include "base/file_io.h"

namespace tabulex {
namespace {

constexpr std::string_view kMagic = "TABULEX-RECOVERY 1";
constexpr std::string_view kPrefix = "Tabulo恢复文件";

// The start time in /proc/PID/stat (field 22, after the command name in brackets).
std::optional<std::uint64_t> StartTimeOf(std::int64_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return std::nullopt;
  const std::size_t end = line.rfind(')');
  if (end == std::string::npos) return std::nullopt;
  std::istringstream fields(line.substr(end + 1));
  std::string field;
  for (int number = 3; number <= 22 && (fields >> field); ++number) {
    if (number == 22) {
      std::uint64_t value = 0;
      const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
      if (result.ec != std::errc()) return std::nullopt;
      return value;
    }
  }
  return std::nullopt;
}

// A path on one line: bytes outside the printable ASCII, and "%", as %XX.
std::string PercentEncoded(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 0x20 && byte < 0x7F && byte != '%') {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
  return out;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    unsigned value = 0;
    if (i + 2 >= text.size()) return std::nullopt;
    const auto result = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
    if (result.ec != std::errc() || result.ptr != text.data() + i + 3) return std::nullopt;
    out += static_cast<char>(value);
    i += 2;
  }
  return out;
}

std::string_view LineEndName(LineEnd lineEnd) {
  switch (lineEnd) {
    case LineEnd::CrLf:
      return "crlf";
    case LineEnd::Lf:
      return "lf";
    case LineEnd::Cr:
      return "cr";
  }
  return "crlf";
}

// The next header line, without its LF; nothing at the end of the bytes.
std::optional<std::string_view> NextLine(std::string_view& bytes) {
  const std::size_t end = bytes.find('\n');
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view line = bytes.substr(0, end);
  bytes.remove_prefix(end + 1);
  return line;
}

template <typename Number>
bool Parse(std::string_view text, Number& value) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool IsRecoveryFileName(const std::string& name) {
  return name.starts_with(kPrefix) && name.ends_with(".txt");
}

}  // namespace

ProcessIdentity ThisProcess() {
  const std::int64_t pid = ::getpid();
  return ProcessIdentity{pid, StartTimeOf(pid).value_or(0)};
}

bool IsRunning(const ProcessIdentity& process) {
  if (process.pid <= 0) return false;
  if (const std::optional<std::uint64_t> startTime = StartTimeOf(process.pid)) {
    return *startTime == process.startTime;
  }
  return ::kill(static_cast<pid_t>(process.pid), 0) == 0 && process.startTime == 0;
}

RecoveryFile::RecoveryFile(std::filesystem::path directory, ProcessIdentity owner)
    : m_directory{std::move(directory)}, m_owner{owner} {}

std::string RecoveryFile::Encode(const RecoveredDocument& document, const ProcessIdentity& owner) {
  std::string bytes(kMagic);
  bytes += "\nowner " + std::to_string(owner.pid) + " " + std::to_string(owner.startTime);
  bytes += "\nfile " + PercentEncoded(document.fileName.string());
  bytes += "\nformat ";
  bytes += document.format.encoding == FileEncoding::Utf8 ? "utf-8" : "gbk";
  bytes += document.format.byteOrderMark ? " bom " : " - ";
  bytes += LineEndName(document.format.lineEnd);
  bytes += "\ncaret " + std::to_string(document.caret) + "\n\n";
  bytes += document.text;
  return bytes;
}

std::optional<RecoveredDocument> RecoveryFile::Decode(std::string_view bytes,
                                                      ProcessIdentity* owner) {
  const auto field = [&bytes](std::string_view name) -> std::optional<std::string_view> {
    const std::optional<std::string_view> line = NextLine(bytes);
    if (!line || !line->starts_with(name) || line->size() < name.size() + 1 ||
        (*line)[name.size()] != ' ') {
      return std::nullopt;
    }
    return line->substr(name.size() + 1);
  };
  if (NextLine(bytes) != kMagic) return std::nullopt;
  RecoveredDocument document;
  ProcessIdentity process;
  const std::optional<std::string_view> ownerText = field("owner");
  const std::optional<std::string_view> fileText = field("file");
  const std::optional<std::string_view> formatText = field("format");
  const std::optional<std::string_view> caretText = field("caret");
  if (!ownerText || !fileText || !formatText || !caretText || NextLine(bytes) != "") {
    return std::nullopt;
  }
  const std::size_t space = ownerText->find(' ');
  if (space == std::string_view::npos || !Parse(ownerText->substr(0, space), process.pid) ||
      !Parse(ownerText->substr(space + 1), process.startTime) ||
      !Parse(*caretText, document.caret)) {
    return std::nullopt;
  }
  const std::optional<std::string> fileName = PercentDecoded(*fileText);
  if (!fileName) return std::nullopt;
  document.fileName = *fileName;
  const std::string format(*formatText);
  document.format.encoding = format.starts_with("utf-8") ? FileEncoding::Utf8 : FileEncoding::Gbk;
  document.format.byteOrderMark = format.find(" bom ") != std::string::npos;
  document.format.lineEnd = format.ends_with(" lf")   ? LineEnd::Lf
                            : format.ends_with(" cr") ? LineEnd::Cr
                                                      : LineEnd::CrLf;
  document.text.assign(bytes);
  if (owner != nullptr) *owner = process;
  return document;
}

std::optional<RecoveredDocument> RecoveryFile::Read(const std::filesystem::path& path) {
  std::string bytes;
  if (ReadFile(path, bytes)) return std::nullopt;
  return Decode(bytes);
}

std::filesystem::path RecoveryFile::OwnPath() {
  if (m_path) return *m_path;
  const std::filesystem::path shared = m_directory / kName;
  std::string bytes;
  ProcessIdentity owner;
  const bool taken =
      !ReadFile(shared, bytes) && Decode(bytes, &owner) && owner != m_owner && IsRunning(owner);
  m_path = taken ? m_directory / (std::string(kPrefix) + "-" + std::to_string(m_owner.pid) + ".txt")
                 : shared;
  return *m_path;
}

std::optional<std::string> RecoveryFile::Write(const RecoveredDocument& document) {
  std::error_code error;
  std::filesystem::create_directories(m_directory, error);
  const std::optional<std::string> failure =
      WriteFileAtomically(OwnPath(), Encode(document, m_owner));
  if (!failure) m_written = true;
  return failure;
}

void RecoveryFile::Remove() {
  if (!m_written || !m_path) return;
  std::error_code error;
  std::filesystem::remove(*m_path, error);
  m_written = false;
}

std::vector<std::filesystem::path> RecoveryFile::LeftOver() const {
  std::vector<std::pair<std::filesystem::file_time_type, std::filesystem::path>> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(m_directory, error)) {
    if (!entry.is_regular_file(error) || !IsRecoveryFileName(entry.path().filename().string())) {
      continue;
    }
    std::string bytes;
    ProcessIdentity owner;
    if (!ReadFile(entry.path(), bytes) && Decode(bytes, &owner) && IsRunning(owner)) continue;
    found.emplace_back(entry.last_write_time(error), entry.path());
  }
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<std::filesystem::path> paths;
  for (auto& [time, path] : found) paths.push_back(std::move(path));
  return paths;
}

}  // namespace tabulex
