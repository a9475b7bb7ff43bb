#include "editor/file_commands.h"

#include <string>
#include <system_error>
#include <utility>

#include "base/file_io.h"
#include "editor/content_backup.h"
#include "editor/text_file.h"

namespace tabulex {
namespace {

// A saved document replaces the file a link points to, not the link.
std::filesystem::path WhereToWrite(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
  return error ? path : target;
}

// The same file, also under another name (a link, "./"): a save over it asks like one over
// the document's own file.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error);
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

SaveOutcome FileCommands::SaveDocument(std::optional<ChosenFile> target) {
  TextFileFormat format = m_document.Format();
  if (!target && !m_document.FileName().empty())
    target = ChosenFile{m_document.FileName(), format.encoding};
  if (!target) {
    target = m_dialogs.ChooseFileToSave(format.encoding);
    if (!target) return SaveOutcome::Cancelled;
  }
  if (target->encoding != format.encoding) {
    format.encoding = target->encoding;
    format.byteOrderMark = false;
  }
  // Over the document's own file, what the text cannot give back would be lost.
  if (m_document.SavingLoses() && SameFile(target->path, m_document.FileName()) &&
      !m_dialogs.ConfirmSaveLosingContent()) {
    return SaveOutcome::Cancelled;
  }
  if (const std::optional<std::string> failure =
          WriteFileAtomically(WhereToWrite(target->path), EncodeText(m_editor.Text(), format))) {
    m_dialogs.ShowSaveFailed(*failure);
    return SaveOutcome::Failed;
  }
  m_document.Saved(std::move(target->path), format);
  return SaveOutcome::Saved;
}

void FileCommands::SaveDocumentAs() {
  if (std::optional<ChosenFile> target =
          m_dialogs.ChooseFileToSaveAs(m_document.Format().encoding)) {
    SaveDocument(std::move(target));
  }
}

void FileCommands::OpenDocument() {
  if (!AskToSave()) return;
  if (const std::optional<std::filesystem::path> path = m_dialogs.ChooseFileToOpen()) {
    LoadFile(*path);
  }
}

void FileCommands::OpenFile(const std::filesystem::path& path) {
  if (AskToSave()) LoadFile(path);
}

bool FileCommands::LoadFile(const std::filesystem::path& path) {
  TextFileContent content;
  if (const std::optional<std::string> failure = ReadTextFile(path, TextCut::Opened, content)) {
    m_dialogs.ShowOpenFailed(*failure);
    return false;
  }
  m_editor.SetText(content.text.gbk);
  m_document.Opened(path, content.text.format, content.SavingLoses());
  if (content.SavingLoses()) {
    m_dialogs.ShowContentNotShown(content.text.unshownCharacters, content.bytesNotOpened);
  }
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
  TextFileContent content;
  if (const std::optional<std::string> failure = ReadTextFile(path, TextCut::Dropped, content)) {
    m_dialogs.ShowOpenFailed(*failure);
    return;
  }
  m_editor.SetText(content.text.gbk);
  m_document.TextChanged();
}

}  // namespace tabulex
