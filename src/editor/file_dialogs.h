// What the file commands ask of the user: the question about unsaved changes, the file
// dialogs, the notices and the print dialog. The window's dialogs implement it; the commands'
// tests answer with a script.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

#include "engine/text_file_format.h"

namespace tabulex {

enum class SaveChangesAnswer { Yes, No, Cancel };

// A file chosen to save to, with the encoding chosen for it.
struct ChosenFile {
  std::filesystem::path path;
  FileEncoding encoding{FileEncoding::Gbk};
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  // "文件已经被修改，是否保存？"
  virtual SaveChangesAnswer AskToSaveChanges() = 0;

  // The chosen file, or nothing when the dialog was cancelled. The save dialogs offer the two
  // encodings as file types, the given one chosen.
  virtual std::optional<ChosenFile> ChooseFileToSave(FileEncoding preselected) = 0;
  virtual std::optional<ChosenFile> ChooseFileToSaveAs(FileEncoding preselected) = 0;
  virtual std::optional<std::filesystem::path> ChooseFileToOpen() = 0;

  // "打开文件失败！", and why.
  virtual void ShowOpenFailed(std::string_view reason) = 0;
  // A document could not be written; reason describes why.
  virtual void ShowSaveFailed(std::string_view reason) = 0;
  // An opened file holds what the editor cannot show: characters shown as "?", and bytes after
  // an end-of-text byte that were not opened. Told once, on opening.
  virtual void ShowContentNotShown(std::size_t characters, std::size_t bytesNotOpened) = 0;
  // Saving over such a file would write "?" and drop what was not opened: true to save anyway.
  virtual bool ConfirmSaveLosingContent() = 0;

  // "上次运行没有正常结束，是否恢复当时未保存的内容？": true to restore.
  virtual bool AskToRecoverUnsavedText() = 0;

  // The print dialog; when confirmed, the whole editor text goes to the chosen printer.
  virtual void PrintEditorText() = 0;
};

}  // namespace tabulex
