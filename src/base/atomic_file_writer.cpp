#include "base/atomic_file_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "base/file_io.h"

namespace tabulex {
namespace {

// ".NAME.PID.N.tmp": hidden, and unique among the processes writing into the directory.
std::string TempName(const std::string& name, unsigned n) {
  char suffix[48];
  std::snprintf(suffix, sizeof suffix, ".%ld.%u.tmp", static_cast<long>(::getpid()), n);
  return std::string(1, '.').append(name).append(suffix);
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(int directoryFd, std::string name, const struct stat* existing)
    : m_directoryFd{directoryFd}, m_name{std::move(name)} {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100 && !m_out.IsOpen(); ++attempt) {
    m_tempName = TempName(m_name, counter++);
    m_out = FileDescriptor(
        ::openat(directoryFd, m_tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!m_out.IsOpen() && errno != EEXIST) break;
  }
  if (!m_out.IsOpen()) {
    m_failed = true;
    m_error = errno;
    m_tempName.clear();
    return;
  }
  if (existing != nullptr) {
    // Owner first: changing it may clear set-id bits that the mode then restores. Only the
    // owner change may fail (an ordinary user cannot give a file away).
    (void)!::fchown(m_out.Get(), existing->st_uid, existing->st_gid);
    if (::fchmod(m_out.Get(), existing->st_mode & 07777) != 0) {
      m_failed = true;
      m_error = errno;
    }
  }
}

AtomicFileWriter::~AtomicFileWriter() {
  if (m_tempName.empty()) return;
  m_out.Close();
  ::unlinkat(m_directoryFd, m_tempName.c_str(), 0);
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (m_failed) return false;
  if (!WriteAll(m_out.Get(), bytes)) {
    m_failed = true;
    m_error = errno;
  }
  return !m_failed;
}

bool AtomicFileWriter::Commit() {
  if (!m_failed && ::fsync(m_out.Get()) != 0) m_failed = true;
  if (!m_out.Close()) m_failed = true;
  if (m_failed ||
      ::renameat(m_directoryFd, m_tempName.c_str(), m_directoryFd, m_name.c_str()) != 0) {
    if (m_error == 0) m_error = errno;
    ::unlinkat(m_directoryFd, m_tempName.c_str(), 0);
    m_tempName.clear();
    errno = m_error;
    return false;
  }
  m_tempName.clear();
  ::fsync(m_directoryFd);  // makes the rename itself durable
  return true;
}

}  // namespace tabulex
