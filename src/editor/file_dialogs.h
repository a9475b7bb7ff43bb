// What the file commands ask of the user: the question about unsaved changes, the file
// dialogs, the error messages and the print dialog. The window's dialogs implement it; the
// commands' tests answer with a script.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tabulex {

enum class SaveChangesAnswer { Yes, No, Cancel };

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  // "文件已经被修改，是否保存？"
  virtual SaveChangesAnswer AskToSaveChanges() = 0;

  // The chosen file, or nothing when the dialog was cancelled.
  virtual std::optional<std::filesystem::path> ChooseFileToSave() = 0;
  virtual std::optional<std::filesystem::path> ChooseFileToSaveAs() = 0;
  virtual std::optional<std::filesystem::path> ChooseFileToOpen() = 0;

  // "打开文件失败！"
  virtual void ShowOpenFailed() = 0;
  // A document could not be written; reason describes why.
  virtual void ShowSaveFailed(std::string_view reason) = 0;

  // The print dialog; when confirmed, the whole editor text goes to the chosen printer.
  virtual void PrintEditorText() = 0;
};

}  // namespace tabulex
