// The File menu's commands and the drops on the main window: new, open, save, save as,
// print, close, and a dropped text or file replacing the whole text.
//
// The document is never lost on the way:
// - every save replaces the file atomically (a failed write leaves the old file whole), a
//   failure is reported, and the document stays modified;
// - a failed open leaves the text, file and modified flag as they were;
// - answering Yes to the question about unsaved changes goes on only when the save worked:
//   a cancelled or failed save cancels the new, open or close that asked;
// - a file keeps its encoding, byte-order mark and line ends (text_file.h), and what the editor
//   cannot show is announced on opening; saving over such a file asks first.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "editor/document_state.h"
#include "editor/file_dialogs.h"
#include "engine/editor_buffer.h"

namespace tabulex {

enum class SaveOutcome { Saved, Cancelled, Failed };

class FileCommands {
 public:
  FileCommands(EditorBuffer& editor, DocumentState& document, FileDialogs& dialogs)
      : m_editor{editor}, m_document{document}, m_dialogs{dialogs} {}

  // True: go on with what asked (nothing to save, "No", or a save that worked).
  bool AskToSave();

  // Without a target: to the document's file in its format, or to one the save dialog asks
  // for. A target's encoding replaces the document's.
  SaveOutcome SaveDocument(std::optional<ChosenFile> target = std::nullopt);
  void SaveDocumentAs();
  void OpenDocument();
  // Open with a given file (the command line, another start): asks to save first.
  void OpenFile(const std::filesystem::path& path);
  // The text of the file up to its first 0x00 or 0x1A byte; false when it cannot be read.
  bool LoadFile(const std::filesystem::path& path);
  void NewDocument();
  // True: the main window is to be closed now (its shutdown writes everything).
  bool CloseDocument();
  void PrintDocument();

  // Replace the whole text; they do not ask to save and keep the document's file.
  void DropText(std::string_view gbk);
  void DropFile(const std::filesystem::path& path);

 private:
  EditorBuffer& m_editor;
  DocumentState& m_document;
  FileDialogs& m_dialogs;
};

}  // namespace tabulex
