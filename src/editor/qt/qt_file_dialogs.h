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
  std::optional<std::filesystem::path> ChooseFileToSave() override;
  std::optional<std::filesystem::path> ChooseFileToSaveAs() override;
  std::optional<std::filesystem::path> ChooseFileToOpen() override;
  void ShowOpenFailed() override;
  void ShowSaveFailed(std::string_view reason) override;
  void PrintEditorText() override;

 private:
  enum class Purpose { Open, Save };
  std::optional<std::filesystem::path> ChooseFile(const char* title, Purpose purpose);
  void ShowError(const QString& text);

  QWidget* m_parent;
  QPlainTextEdit* m_editor;
};

}  // namespace tabulex
