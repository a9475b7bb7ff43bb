#include "settings/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace tabulex {
namespace {

std::string ErrorText() {
  return std::strerror(errno);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path directory =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::string temp;
  int fd = -1;
  // A new file gets 0666 less the umask, as any file the user creates.
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    std::string name = ".";
    name += path.filename().string();
    name += '.';
    name += std::to_string(::getpid());
    name += '.';
    name += std::to_string(counter++);
    name += ".tmp";
    temp = (directory / name).string();
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return ErrorText();
  }
  if (fd < 0) return ErrorText();

  struct stat existing {};
  bool ok = ::stat(path.c_str(), &existing) != 0 || ::fchmod(fd, existing.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  std::string error = ok ? std::string() : ErrorText();
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = ErrorText();
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    error = ErrorText();
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return error;
  }
  // Make the rename itself durable.
  const int directoryFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directoryFd >= 0) {
    ::fsync(directoryFd);
    ::close(directoryFd);
  }
  return std::nullopt;
}

}  // namespace tabulex
