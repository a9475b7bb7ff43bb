// InstanceLock: the single-instance lock, an exclusive flock on the lock file "fzdk" that the
// first instance holds for its whole run. The kernel releases it when the process ends, so
// a crashed instance never leaves a lock behind. Only a lock that a running process actually
// holds counts: a lock file that cannot be opened at all (no directory yet, no permission)
// leaves this instance without a lock, free to start.
#pragma once

#include <filesystem>

#include "base/file_descriptor.h"

namespace tabulex {

enum class LockOutcome {
  Held,           // this instance holds the lock now
  HeldElsewhere,  // another process holds it: a running instance
  Unavailable,    // the file could not be opened or locked; nobody is known to hold it
};

class InstanceLock final {
 public:
  // Opens the lock file (creating it with its one 0x00 byte when it is missing) and takes
  // the lock without waiting. A file this user may only read is locked all the same. The
  // descriptor is not inherited by programs this one starts.
  LockOutcome Acquire(const std::filesystem::path& lockFile);

  bool IsHeld() const { return m_file.IsOpen(); }

 private:
  FileDescriptor m_file;
};

}  // namespace tabulex
