#include "base/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/atomic_file_writer.h"
#include "base/file_descriptor.h"

namespace tabulex {
namespace {

std::filesystem::path DirectoryOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

}  // namespace

std::optional<std::string> ReadAll(int fd) {
  std::string text;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count == 0) return text;
    if (count < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    text.append(buffer, static_cast<std::size_t>(count));
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

std::optional<std::string> ReadFile(const std::filesystem::path& path, std::string& bytes) {
  const FileDescriptor in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!in.IsOpen()) return std::strerror(errno);
  struct stat status {};
  if (::fstat(in.Get(), &status) == 0 && S_ISDIR(status.st_mode)) return std::strerror(EISDIR);
  std::optional<std::string> text = ReadAll(in.Get());
  if (!text) return std::strerror(errno);
  bytes = std::move(*text);
  return std::nullopt;
}

bool ReplaceFileIn(int directoryFd, const std::string& name, std::string_view bytes,
                   const struct stat* existing) {
  AtomicFileWriter writer(directoryFd, name, existing);
  return writer.Write(bytes) && writer.Commit();
}

std::optional<std::string> OpenFileInDirectory(const std::filesystem::path& path,
                                               FileInDirectory& file) {
  file.directory =
      FileDescriptor(::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!file.directory.IsOpen()) return std::strerror(errno);
  file.name = path.filename().string();
  file.exists = ::fstatat(file.directory.Get(), file.name.c_str(), &file.status, 0) == 0;
  return std::nullopt;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view bytes) {
  FileInDirectory file;
  if (std::optional<std::string> failure = OpenFileInDirectory(path, file)) return failure;
  if (!ReplaceFileIn(file.directory.Get(), file.name, bytes,
                     file.exists ? &file.status : nullptr)) {
    return std::strerror(errno);
  }
  return std::nullopt;
}

}  // namespace tabulex
