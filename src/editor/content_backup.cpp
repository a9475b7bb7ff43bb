#include "editor/content_backup.h"

#include <algorithm>
#include <system_error>

#include "base/file_io.h"
#include "settings/settings_loader.h"

namespace tabulex {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr int kBlankDocumentLines = 45;

std::string MakeBlankDocument() {
  std::string text;
  for (int i = 0; i < kBlankDocumentLines; ++i) text += kLineBreak;
  return text;
}

std::optional<std::string> ReadWhole(const std::filesystem::path& path) {
  std::string bytes;
  if (ReadFile(path, bytes)) return std::nullopt;
  return bytes;
}

}  // namespace

std::string_view BlankDocument() {
  static const std::string blank = MakeBlankDocument();
  return blank;
}

std::string_view OpenedFileText(std::string_view bytes) {
  std::size_t end = 0;
  while (end < bytes.size()) {
    const auto byte = static_cast<unsigned char>(bytes[end]);
    if (byte == 0x00 || byte == 0x1A) break;
    if (byte >= 0x80 && end + 1 < bytes.size()) {
      // The second byte of the pair never ends the text, except a NUL: a text box ends its
      // text at a NUL anyway, and none may enter the editor here.
      if (bytes[end + 1] == '\0') return bytes.substr(0, end + 1);
      end += 2;
    } else {
      ++end;
    }
  }
  return bytes.substr(0, end);
}

std::string_view DroppedFileText(std::string_view bytes) {
  return bytes.substr(0, std::min(bytes.find('\0'), bytes.size()));
}

std::optional<std::string> ReadDroppedFile(const std::filesystem::path& path) {
  std::optional<std::string> bytes = ReadWhole(path);
  if (bytes) bytes->resize(DroppedFileText(*bytes).size());
  return bytes;
}

std::optional<std::string> SaveContentBackup(const EditorBuffer& editor,
                                             const std::filesystem::path& backupFile) {
  return WriteFileAtomically(backupFile, editor.Text());
}

RestoredText RestoreContentBackup(EditorBuffer& editor, bool keepContent,
                                  const std::filesystem::path& backupFile,
                                  const SettingsStore& store) {
  if (!keepContent) {
    if (editor.Length() != 0) return RestoredText::Unchanged;
    editor.SetText(BlankDocument());
    return RestoredText::BlankDocument;
  }

  std::error_code error;
  if (!std::filesystem::exists(backupFile, error)) {
    editor.SetText(BlankDocument());
    return RestoredText::BlankDocument;
  }

  const std::optional<std::string> text = ReadDroppedFile(backupFile);
  editor.SetText(text.value_or(std::string()));
  const std::int32_t caret = LoadCaretOffset(store);
  editor.SetCaret(caret > 0 ? static_cast<std::size_t>(caret) : 0);
  return text ? RestoredText::Backup : RestoredText::UnreadableBackup;
}

void ContentBackupScheduler::TextChanged() {
  m_pending = true;
  m_lastChange = m_ticks.NowMilliseconds();
}

bool ContentBackupScheduler::BackupDue() {
  return m_settings.keepContent && QuietSinceChange();
}

bool ContentBackupScheduler::RecoveryDue(bool unsavedChanges) {
  return !m_settings.keepContent && unsavedChanges && QuietSinceChange();
}

bool ContentBackupScheduler::QuietSinceChange() {
  if (!m_pending) return false;
  const std::uint64_t now = m_ticks.NowMilliseconds();
  if (now - m_lastChange < kQuietMilliseconds) return false;
  m_pending = false;
  return true;
}

}  // namespace tabulex
