// File dialogs that answer from a script and log what was shown, for the tests of the file
// commands and the recovery.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/file_dialogs.h"

namespace tabulex {

namespace fs = std::filesystem;

// Answers from a script, and a log of what was shown.
class ScriptedDialogs final : public FileDialogs {
 public:
  std::deque<SaveChangesAnswer> answers;
  std::deque<std::optional<fs::path>> chosenFiles;  // for any of the three file dialogs
  std::deque<FileEncoding> chosenEncodings;         // for the save dialogs; else as preselected
  std::deque<bool> saveLosingContent;               // the question before a lossy save
  std::deque<bool> recover;                         // the question after a crash
  std::vector<std::string> shown;

  SaveChangesAnswer AskToSaveChanges() override {
    shown.push_back("question");
    return Next(answers);
  }
  std::optional<ChosenFile> ChooseFileToSave(FileEncoding preselected) override {
    return ChooseToSave("save dialog", preselected);
  }
  std::optional<ChosenFile> ChooseFileToSaveAs(FileEncoding preselected) override {
    return ChooseToSave("save-as dialog", preselected);
  }
  std::optional<fs::path> ChooseFileToOpen() override { return Choose("open dialog"); }
  void ShowOpenFailed(std::string_view reason) override {
    shown.push_back("open failed: " + std::string(reason));
  }
  void ShowSaveFailed(std::string_view) override { shown.push_back("save failed"); }
  void ShowContentNotShown(std::size_t characters, std::size_t bytesNotOpened) override {
    shown.push_back("not shown: " + std::to_string(characters) + " characters, " +
                    std::to_string(bytesNotOpened) + " bytes");
  }
  bool ConfirmSaveLosingContent() override {
    shown.push_back("lossy save question");
    return Next(saveLosingContent);
  }
  bool AskToRecoverUnsavedText() override {
    shown.push_back("recovery question");
    return Next(recover);
  }
  void PrintEditorText() override { shown.push_back("print dialog"); }

 private:
  template <typename T>
  static T Next(std::deque<T>& queue) {
    EXPECT_FALSE(queue.empty()) << "a dialog nobody expected";
    if (queue.empty()) return T{};
    T next = queue.front();
    queue.pop_front();
    return next;
  }
  std::optional<fs::path> Choose(const char* dialog) {
    shown.push_back(dialog);
    return Next(chosenFiles);
  }
  std::optional<ChosenFile> ChooseToSave(const char* dialog, FileEncoding preselected) {
    const std::optional<fs::path> path = Choose(dialog);
    if (!path) return std::nullopt;
    FileEncoding encoding = preselected;
    if (!chosenEncodings.empty()) encoding = Next(chosenEncodings);
    return ChosenFile{*path, encoding};
  }
};

}  // namespace tabulex
