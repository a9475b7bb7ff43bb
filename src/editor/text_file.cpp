#include "editor/text_file.h"

#include <algorithm>
#include <system_error>

#include "base/file_io.h"
#include "editor/content_backup.h"

namespace tabulex {
namespace {

// In UTF-8 every byte of a character is 0x80 or above: the end bytes can be looked for alone.
std::size_t TextLength(std::string_view bytes, FileEncoding encoding, TextCut cut) {
  if (cut == TextCut::Dropped) return DroppedFileText(bytes).size();
  if (encoding == FileEncoding::Gbk) return OpenedFileText(bytes).size();
  return std::min(bytes.find_first_of(std::string_view("\0\x1A", 2)), bytes.size());
}

std::string Megabytes(std::uintmax_t bytes) {
  return std::to_string((bytes + 1024 * 1024 - 1) / (1024 * 1024)) + " MB";
}

std::string TooLarge(std::uintmax_t size) {
  return "文件太大（" + Megabytes(size) + "），最多能打开 " + Megabytes(kMaxTextFileBytes) + "。";
}

}  // namespace

std::optional<std::string> ReadTextFile(const std::filesystem::path& path, TextCut cut,
                                        TextFileContent& content) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > kMaxTextFileBytes) return TooLarge(size);
  std::string bytes;
  if (std::optional<std::string> failure = ReadFile(path, bytes)) return failure;
  if (bytes.size() > kMaxTextFileBytes) return TooLarge(bytes.size());
  const FileEncoding encoding = IsValidUtf8(bytes) ? FileEncoding::Utf8 : FileEncoding::Gbk;
  const std::size_t length = TextLength(bytes, encoding, cut);
  content.bytesNotOpened = bytes.size() - length;
  content.text = DecodeText(std::string_view(bytes).substr(0, length), encoding);
  return std::nullopt;
}

}  // namespace tabulex
