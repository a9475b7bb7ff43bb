// The document behind the editor text: the file it was opened from or saved to, whether it
// holds changes that are not saved, and the window title that follows the file. Plain state
// that the window updates on each event; the dialogs and the file access are the caller's.
//
// Every change of the text marks the document modified, whoever made it: typing, paste, cut,
// calculation results, typing-assistant replacements, and also undo and redo restores,
// replace-all and drops, since none of them is saved. Open, new, clear all, a successful save
// and the start-up restore leave it unmodified. Setting the whole text raises TextChanged
// too, so those events are reported after the new text is in place.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "engine/text_file_format.h"

namespace tabulex {

class DocumentState {
 public:
  // Any change of the editor text.
  void TextChanged();

  // The whole text has been replaced, and the document with it. A failed open leaves the
  // document as it was (text, file, modified flag and title), so it reports nothing.
  // savingLoses: the file holds what the text cannot give back (characters shown as "?",
  // bytes after the end of text), so saving over it asks first.
  void Opened(std::filesystem::path path, TextFileFormat format, bool savingLoses);
  void NewDocument();
  void ClearedAll();  // keeps the file: a later save still writes to it
  void RestoredAtStartup();

  // The whole text has been written to path (save, save as, and the save that the question
  // about unsaved changes starts). A cancelled or failed save reports nothing: the document
  // stays modified and keeps its file.
  void Saved(std::filesystem::path path, TextFileFormat format);

  // True: closing, new and open ask whether to save first.
  bool Modified() const { return m_modified; }

  // Where a save without a name writes; empty when it has to ask for one.
  const std::filesystem::path& FileName() const { return m_fileName; }

  // How the document's file is written: its encoding, byte-order mark and line ends. A new
  // document is GBK with CR LF.
  const TextFileFormat& Format() const { return m_format; }

  // Saving over the document's own file would lose some of it: it asks first.
  bool SavingLoses() const { return m_savingLoses; }

  // Restores a document from the recovery file: its file and format, and its changes.
  void Recovered(std::filesystem::path path, TextFileFormat format);

  // The window title (UTF-8, as file names are): "Tabulex - " and the full path while the
  // document has a file, "Tabulex" once it has none. Nothing until the first open, new or
  // save: the window keeps its start-up caption until then.
  std::optional<std::string> WindowTitle() const;

  // True once after each open, new or save: the caption is to show WindowTitle() again. Only
  // these change the caption; other commands leave whatever it shows (full-screen mode's
  // empty caption, the program's name after it).
  bool TakeTitleChange();

  static std::string TitleFor(const std::filesystem::path& fileName);

 private:
  void Replaced(std::filesystem::path fileName, TextFileFormat format, bool savingLoses);

  std::filesystem::path m_fileName{};
  TextFileFormat m_format{};
  bool m_savingLoses{false};
  bool m_modified{false};
  bool m_titled{false};
  bool m_titleChanged{false};
};

}  // namespace tabulex
