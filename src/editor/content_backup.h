// The text kept between runs, and the rules by which file bytes become the editor text.
//
// With keepContent the editor text goes to the backup file at shutdown and comes back at the
// next start. The backup is also written while the program runs, a few seconds after the
// last change (ContentBackupScheduler), so a crash loses at most those seconds. Every write
// replaces the file atomically: a failed or interrupted one leaves the old backup whole. The
// caret offset that goes with the backup is the configuration file's "起始选择位置", which
// the shutdown writes; it is not part of this unit.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/calc_settings.h"
#include "engine/editor_buffer.h"
#include "engine/tick_source.h"
#include "settings/settings_store.h"

namespace tabulex {

// 45 empty lines (CR LF each, 90 bytes): new, clear all, and the start when there is nothing
// to restore.
std::string_view BlankDocument();

// The open command's text of a file: up to its first 0x00 or 0x1A (Ctrl+Z) byte. A byte
// 0x80 or above and the byte after it are one character, so a 0x1A right after such a byte
// does not end the text. A 0x00 always does: the document never holds a NUL byte.
std::string_view OpenedFileText(std::string_view bytes);

// A dropped file's text, and the backup's: up to the first 0x00 byte.
std::string_view DroppedFileText(std::string_view bytes);

// The file read whole and cut by the drop's rule; nothing when it cannot be read.
std::optional<std::string> ReadDroppedFile(const std::filesystem::path& path);

// Writes the editor text, as it is, to the backup file. The caller decides whether a backup
// is kept at all (keepContent). On failure a description of it, which callers may ignore:
// the old backup is then left as it was.
std::optional<std::string> SaveContentBackup(const EditorBuffer& editor,
                                             const std::filesystem::path& backupFile);

enum class RestoredText {
  Backup,            // the backup's text, with the caret from the configuration file
  UnreadableBackup,  // the backup exists but could not be read: an empty text
  BlankDocument,     // nothing to restore
  Unchanged,         // keepContent is off and the editor already holds a text
};

// The start-up's restore of the editor text:
// - keepContent and a backup file: its bytes up to the first 0x00 become the text, then the
//   caret goes to "起始选择位置" (default 0; the editor keeps it off the end and out of a
//   two-byte character, a negative value counts as 0);
// - keepContent and no backup file: the blank document;
// - no keepContent: the blank document when the editor is empty, else nothing changes.
// The caller records the first undo snapshot afterwards and clears the modified flag.
RestoredText RestoreContentBackup(EditorBuffer& editor, bool keepContent,
                                  const std::filesystem::path& backupFile,
                                  const SettingsStore& store);

// When the running program writes the backup: once, kQuietMilliseconds after the last change
// of the text, and only while keepContent is on; without it, the recovery file instead. The window
// tells it of every change of the text and asks BackupDue from a timer (the status bar clock's 1000
// ms will do); when that says yes, it calls SaveContentBackup. A change made while keepContent is
// off is backed up once it is turned on. A failed write is not retried before the next change.
class ContentBackupScheduler {
 public:
  static constexpr std::uint64_t kQuietMilliseconds = 3000;

  ContentBackupScheduler(TickSource& ticks, const CalcSettings& settings)
      : m_ticks{ticks}, m_settings{settings} {}

  void TextChanged();

  // True once per quiet spell after a change, when the backup is to be written now.
  bool BackupDue();
  // Without keepContent: true once per quiet spell after a change, while the document has
  // unsaved changes, when the recovery file is to be written now.
  bool RecoveryDue(bool unsavedChanges);

  // A change is waiting for its backup.
  bool Pending() const { return m_pending; }

 private:
  // A change is waiting and the quiet time has passed: taken.
  bool QuietSinceChange();

  TickSource& m_ticks;
  const CalcSettings& m_settings;
  bool m_pending{false};
  std::uint64_t m_lastChange{0};
};

}  // namespace tabulex
