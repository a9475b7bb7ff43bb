// A file written in pieces and put in place of the old one at once: the pieces go to a hidden
// temporary file beside it, which Commit flushes to disk and renames over the old file. Until
// then, and when anything fails, the old file stays as it was; an uncommitted temporary file
// is removed. The replaced file keeps its permission bits (and its owner where the system
// allows); a new one follows the umask.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>
#include <string_view>

#include "base/file_descriptor.h"

namespace tabulex {

class AtomicFileWriter {
 public:
  // name inside the open directory directoryFd, which must outlive the writer; existing: the
  // status of the file being replaced, or null for a new file.
  AtomicFileWriter(int directoryFd, std::string name, const struct stat* existing);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False once anything failed (errno tells why); later writes do nothing.
  bool Write(std::string_view bytes);
  bool Commit();

 private:
  int m_directoryFd;
  std::string m_name;
  std::string m_tempName;
  FileDescriptor m_out;
  bool m_failed{false};
  int m_error{0};
};

}  // namespace tabulex
