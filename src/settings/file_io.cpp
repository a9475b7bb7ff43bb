#include "settings/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "settings/file_descriptor.h"

namespace tabulex {
namespace {

std::filesystem::path DirectoryOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// ".NAME.PID.N.tmp": hidden, and unique among the processes writing into the directory.
std::string TempName(const std::string& name, unsigned n) {
  char suffix[48];
  std::snprintf(suffix, sizeof suffix, ".%ld.%u.tmp", static_cast<long>(::getpid()), n);
  return std::string(1, '.').append(name).append(suffix);
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
  static std::atomic<unsigned> counter{0};
  std::string tempName;
  FileDescriptor out;
  for (int attempt = 0; attempt < 100 && !out.IsOpen(); ++attempt) {
    tempName = TempName(name, counter++);
    out = FileDescriptor(
        ::openat(directoryFd, tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!out.IsOpen() && errno != EEXIST) return false;
  }
  if (!out.IsOpen()) return false;

  bool written = true;
  if (existing != nullptr) {
    // Owner first: changing it may clear set-id bits that the mode then restores. Only the
    // owner change may fail (an ordinary user cannot give a file away).
    (void)!::fchown(out.Get(), existing->st_uid, existing->st_gid);
    written = ::fchmod(out.Get(), existing->st_mode & 07777) == 0;
  }
  written = written && WriteAll(out.Get(), bytes) && ::fsync(out.Get()) == 0;
  written = out.Close() && written;
  if (!written || ::renameat(directoryFd, tempName.c_str(), directoryFd, name.c_str()) != 0) {
    const int error = errno;
    ::unlinkat(directoryFd, tempName.c_str(), 0);
    errno = error;
    return false;
  }
  ::fsync(directoryFd);  // makes the rename itself durable
  return true;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view bytes) {
  const FileDescriptor directory(
      ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!directory.IsOpen()) return std::strerror(errno);
  const std::string name = path.filename().string();
  struct stat existing {};
  const bool exists = ::fstatat(directory.Get(), name.c_str(), &existing, 0) == 0;
  if (!ReplaceFileIn(directory.Get(), name, bytes, exists ? &existing : nullptr)) {
    return std::strerror(errno);
  }
  return std::nullopt;
}

}  // namespace tabulex
