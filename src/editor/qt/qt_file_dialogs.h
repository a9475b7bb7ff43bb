// The file commands' dialogs as the window shows them: application-modal message boxes, the
// file dialog for text files, and the system print dialog for the editor's text.
#pragma once

#include "editor/file_dialogs.h"

class QPlainTextEdit;
class QString;
class QWidget;

namespace tabulex {

class QtFileDialogs final : public FileDialogs {
 public:
  // editor: the text that printing hands to the printer, in the editor's font.
  QtFileDialogs(QWidget* parent, QPlainTextEdit* editor) : m_parent{parent}, m_editor{editor} {}

  SaveChangesAnswer AskToSaveChanges() override;
  std::optional<ChosenFile> ChooseFileToSave(FileEncoding preselected) override;
  std::optional<ChosenFile> ChooseFileToSaveAs(FileEncoding preselected) override;
  std::optional<std::filesystem::path> ChooseFileToOpen() override;
  void ShowOpenFailed(std::string_view reason) override;
  void ShowSaveFailed(std::string_view reason) override;
  void ShowContentNotShown(std::size_t characters, std::size_t bytesNotOpened) override;
  bool ConfirmSaveLosingContent() override;
  bool AskToRecoverUnsavedText() override;
  void PrintEditorText() override;

 private:
  std::optional<ChosenFile> ChooseFileToSaveIn(const char* title, FileEncoding preselected);
  void ShowError(const QString& text);

  QWidget* m_parent;
  QPlainTextEdit* m_editor;
};

}  // namespace tabulex
