#include "window/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tabulex {
namespace {

// O_NONBLOCK: a FIFO put in the file's place must not hang the start.
constexpr int kOpenFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

int OpenLockFile(const std::filesystem::path& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | kOpenFlags, 0644);
  // flock works on a descriptor opened for reading only.
  if (fd < 0 && (errno == EACCES || errno == EROFS))
    fd = ::open(path.c_str(), O_RDONLY | kOpenFlags);
  return fd;
}

int LockExclusively(int fd) {
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  return result == 0 ? 0 : errno;
}

}  // namespace

LockOutcome InstanceLock::Acquire(const std::filesystem::path& lockFile) {
  if (IsHeld()) return LockOutcome::Held;
  FileDescriptor file{OpenLockFile(lockFile)};
  if (!file.IsOpen()) return LockOutcome::Unavailable;
  if (const int error = LockExclusively(file.Get()); error != 0) {
    return error == EWOULDBLOCK ? LockOutcome::HeldElsewhere : LockOutcome::Unavailable;
  }
  // A file this instance has just created is empty until now: give it its one byte.
  struct stat status {};
  if (::fstat(file.Get(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size == 0) {
    const char zero = 0;
    [[maybe_unused]] const ssize_t written = ::write(file.Get(), &zero, 1);
  }
  m_file = std::move(file);
  return LockOutcome::Held;
}

}  // namespace tabulex
