// An open POSIX file descriptor, closed when it goes out of scope.
#pragma once

#include <unistd.h>

#include <utility>

namespace tabulex {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : m_fd{fd} {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(FileDescriptor&& other) noexcept : m_fd{std::exchange(other.m_fd, -1)} {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Close();
      m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return m_fd; }
  bool IsOpen() const { return m_fd >= 0; }

  // close() can report a failed write-back; a file whose close failed is not trusted.
  bool Close() {
    if (m_fd < 0) return true;
    return ::close(std::exchange(m_fd, -1)) == 0;
  }

 private:
  int m_fd{-1};
};

}  // namespace tabulex
