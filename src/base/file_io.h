// Reading and writing whole files. Writes replace a file atomically: a temporary file in the
// same directory, flushed to disk, then renamed over the old one, so an interrupted or failed
// write leaves the old file as it was and no temporary file behind. A replaced file keeps its
// permission bits (and its owner where the system allows); a new one follows the umask.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_descriptor.h"

namespace tabulex {

// The rest of an open file, or nothing when reading fails.
std::optional<std::string> ReadAll(int fd);

bool WriteAll(int fd, std::string_view bytes);

// A whole file into bytes; on failure a description (such as "Is a directory").
std::optional<std::string> ReadFile(const std::filesystem::path& path, std::string& bytes);

// Replaces the file name inside an open directory, for a caller that holds a lock on the
// directory. existing: the status of the file being replaced, or null for a new file.
bool ReplaceFileIn(int directoryFd, const std::string& name, std::string_view bytes,
                   const struct stat* existing);

// Replaces the file at path; on failure a description of it.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view bytes);

// The directory a file is in, opened, and the status of the file when it exists: what an
// AtomicFileWriter replacing it needs. On failure a description of it.
struct FileInDirectory {
  FileDescriptor directory;
  std::string name;
  struct stat status {};
  bool exists{false};
};
std::optional<std::string> OpenFileInDirectory(const std::filesystem::path& path,
                                               FileInDirectory& file);

}  // namespace tabulex
