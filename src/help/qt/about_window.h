// AboutWindow: the modal window titled with the program and its version: a feedback invitation, the
// program icon, a picture of a calculated line, and four links to the help and the run files.
#pragma once

#include <QDialog>

#include <filesystem>

namespace tabulex {

class AboutWindow final : public QDialog {
  Q_OBJECT

 public:
  // runFilesDirectory holds the configuration file that the links open.
  AboutWindow(std::filesystem::path runFilesDirectory, QWidget* parent);

 private:
  void OpenLink(const QString& target);

  std::filesystem::path m_runFilesDirectory;
};

}  // namespace tabulex
