#include "settings/config_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <utility>

#include "base/file_descriptor.h"
#include "base/file_io.h"
#include "settings/ini_document.h"

namespace tabulex {
namespace {

std::filesystem::path DirectoryOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

bool LockExclusive(int fd) {
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

struct ExistingFile {
  std::string text;
  struct stat status;
};

}  // namespace

ConfigFile::ConfigFile(std::filesystem::path path) : m_path{std::move(path)} {}

std::string ConfigFile::ReadKey(std::string_view section, std::string_view key,
                                std::string_view defaultText) const {
  const FileDescriptor in(::open(m_path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!in.IsOpen()) return std::string(defaultText);
  const std::optional<std::string> text = ReadAll(in.Get());
  if (!text) return std::string(defaultText);
  return IniDocument(*text).ReadKey(section, key, defaultText);
}

bool ConfigFile::WriteKey(std::string_view section, std::string_view key, std::string_view value) {
  const FileDescriptor directory(
      ::open(DirectoryOf(m_path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!directory.IsOpen() || !LockExclusive(directory.Get())) return false;
  // The lock is released when the directory descriptor closes.

  const std::string name = m_path.filename().string();
  std::optional<ExistingFile> existing;
  const FileDescriptor in(::openat(directory.Get(), name.c_str(), O_RDONLY | O_CLOEXEC));
  if (in.IsOpen()) {
    existing.emplace();
    if (::fstat(in.Get(), &existing->status) != 0 || !S_ISREG(existing->status.st_mode)) {
      return false;
    }
    // A file the user made read-only stays as it is, although the directory would let the
    // rename replace it.
    if (::faccessat(directory.Get(), name.c_str(), W_OK, 0) != 0) return false;
    std::optional<std::string> text = ReadAll(in.Get());
    if (!text) return false;
    existing->text = std::move(*text);
  } else if (errno != ENOENT) {
    return false;
  }

  IniDocument document(existing ? existing->text : std::string());
  if (!document.WriteKey(section, key, value)) return false;
  return ReplaceFileIn(directory.Get(), name, document.Text(),
                       existing ? &existing->status : nullptr);
}

bool ConfigFile::Exists() const {
  std::error_code error;
  return std::filesystem::exists(m_path, error);
}

bool ConfigFile::Remove() {
  const FileDescriptor directory(
      ::open(DirectoryOf(m_path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!directory.IsOpen()) return errno == ENOENT;
  if (!LockExclusive(directory.Get())) return false;
  const std::string name = m_path.filename().string();
  return ::unlinkat(directory.Get(), name.c_str(), 0) == 0 || errno == ENOENT;
}

}  // namespace tabulex
