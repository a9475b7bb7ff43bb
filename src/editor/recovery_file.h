// The recovery file: the unsaved changes of a document kept for after a crash, when the text
// is not kept between runs anyway (keepContent off; with it on, the text backup does this job).
// "Tabulo恢复文件.txt" in the run-files directory holds a short header (the owning process,
// the document's file name, format and caret) and the editor text, GBK with CR LF. Every
// write replaces it atomically. Instances that share the directory each write their own file
// and never take one whose owner still runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/text_file_format.h"

namespace tabulex {

// A process as the system knows it: its id and its start time, so that a later process that
// happens to get the same id is not taken for it.
struct ProcessIdentity {
  std::int64_t pid{0};
  std::uint64_t startTime{0};

  friend bool operator==(const ProcessIdentity&, const ProcessIdentity&) = default;
};

ProcessIdentity ThisProcess();
bool IsRunning(const ProcessIdentity& process);

struct RecoveredDocument {
  std::string text;  // GBK, CR LF
  std::size_t caret{0};
  std::filesystem::path fileName;  // empty for a document without a file
  TextFileFormat format;
};

class RecoveryFile {
 public:
  static constexpr const char* kName = "Tabulo恢复文件.txt";

  RecoveryFile(std::filesystem::path directory, ProcessIdentity owner);

  // Replaces this instance's recovery file; on failure a description, which may be ignored.
  std::optional<std::string> Write(const RecoveredDocument& document);
  // Removes this instance's recovery file, if it wrote one.
  void Remove();

  // The recovery files in the directory whose owners no longer run, newest first. A file that
  // cannot be read is one too: it can only be removed.
  std::vector<std::filesystem::path> LeftOver() const;

  static std::optional<RecoveredDocument> Read(const std::filesystem::path& path);

  // The file's bytes, and back: a header, an empty line, the text.
  static std::string Encode(const RecoveredDocument& document, const ProcessIdentity& owner);
  static std::optional<RecoveredDocument> Decode(std::string_view bytes,
                                                 ProcessIdentity* owner = nullptr);

 private:
  // "Tabulo恢复文件.txt", or a name of its own when another running instance has that one.
  std::filesystem::path OwnPath();

  std::filesystem::path m_directory;
  ProcessIdentity m_owner;
  std::optional<std::filesystem::path> m_path;  // once chosen
  bool m_written{false};
};

}  // namespace tabulex
