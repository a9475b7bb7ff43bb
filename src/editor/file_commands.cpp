#include "editor/file_commands.h"

#include <string>
#include <system_error>
#include <utility>

#include "editor/content_backup.h"
#include "settings/file_io.h"

namespace tabulex {
namespace {

// A saved document replaces the file a link points to, not the link.
std::filesystem::path WhereToWrite(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
  return error ? path : target;
}

// The editor's line ends: a lone LF of a dropped text becomes CR LF. GBK never uses 0x0A as
// the second byte of a character, so the bytes can be looked at one by one.
std::string WithCrLf(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
    result += text[i];
  }
  return result;
}

}  // namespace

bool FileCommands::AskToSave() {
  if (!m_document.Modified()) return true;
  switch (m_dialogs.AskToSaveChanges()) {
    case SaveChangesAnswer::No:
      return true;
    case SaveChangesAnswer::Cancel:
      return false;
    case SaveChangesAnswer::Yes:
      return SaveDocument() == SaveOutcome::Saved;
  }
  return false;
}

SaveOutcome FileCommands::SaveDocument(std::optional<std::filesystem::path> path) {
  if (!path) path = m_document.FileName();
  if (path->empty()) {
    path = m_dialogs.ChooseFileToSave();
    if (!path) return SaveOutcome::Cancelled;
  }
  if (const std::optional<std::string> failure =
          WriteFileAtomically(WhereToWrite(*path), m_editor.Text())) {
    m_dialogs.ShowSaveFailed(*failure);
    return SaveOutcome::Failed;
  }
  m_document.Saved(std::move(*path));
  return SaveOutcome::Saved;
}

void FileCommands::SaveDocumentAs() {
  if (std::optional<std::filesystem::path> path = m_dialogs.ChooseFileToSaveAs()) {
    SaveDocument(std::move(path));
  }
}

void FileCommands::OpenDocument() {
  if (!AskToSave()) return;
  if (const std::optional<std::filesystem::path> path = m_dialogs.ChooseFileToOpen()) {
    LoadFile(*path);
  }
}

bool FileCommands::LoadFile(const std::filesystem::path& path) {
  const std::optional<std::string> text = ReadOpenedFile(path);
  if (!text) {
    m_dialogs.ShowOpenFailed();
    return false;
  }
  m_editor.SetText(*text);
  m_document.Opened(path);
  return true;
}

void FileCommands::NewDocument() {
  if (!AskToSave()) return;
  m_editor.SetText(BlankDocument());
  m_document.NewDocument();
}

bool FileCommands::CloseDocument() {
  return AskToSave();
}

void FileCommands::PrintDocument() {
  m_dialogs.PrintEditorText();
}

void FileCommands::DropText(std::string_view gbk) {
  m_editor.SetText(WithCrLf(gbk));
  m_document.TextChanged();
}

void FileCommands::DropFile(const std::filesystem::path& path) {
  const std::optional<std::string> text = ReadDroppedFile(path);
  if (!text) {
    m_dialogs.ShowOpenFailed();
    return;
  }
  m_editor.SetText(*text);
  m_document.TextChanged();
}

}  // namespace tabulex
