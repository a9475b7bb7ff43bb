#include "editor/qt/qt_file_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

#include <string_view>

namespace tabulex {
namespace {

// The file dialog's filter as documented ("name|pattern"); Qt takes the part before the bar,
// which names its pattern in brackets.
constexpr std::string_view kTextFileFilter = "文本文件(*.txt)|*.txt";

QString QtFilter() {
  const std::string_view name = kTextFileFilter.substr(0, kTextFileFilter.find('|'));
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

SaveChangesAnswer QtFileDialogs::AskToSaveChanges() {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8("询问"),
                  QString::fromUtf8("文件已经被修改，是否保存？"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
  box.setWindowModality(Qt::ApplicationModal);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return SaveChangesAnswer::Yes;
    case QMessageBox::No:
      return SaveChangesAnswer::No;
    default:
      return SaveChangesAnswer::Cancel;
  }
}

std::optional<std::filesystem::path> QtFileDialogs::ChooseFileToSave() {
  return ChooseFile("请输入欲保存到的文本文件名：", Purpose::Save);
}

std::optional<std::filesystem::path> QtFileDialogs::ChooseFileToSaveAs() {
  return ChooseFile("请输入欲另存到的文本文件名：", Purpose::Save);
}

std::optional<std::filesystem::path> QtFileDialogs::ChooseFileToOpen() {
  return ChooseFile("请输入欲打开的文本文件名：", Purpose::Open);
}

std::optional<std::filesystem::path> QtFileDialogs::ChooseFile(const char* title, Purpose purpose) {
  QFileDialog dialog(m_parent, QString::fromUtf8(title));
  dialog.setNameFilter(QtFilter());
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.setWindowModality(Qt::ApplicationModal);
  if (purpose == Purpose::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

void QtFileDialogs::ShowOpenFailed() {
  ShowError(QString::fromUtf8("打开文件失败！"));
}

void QtFileDialogs::ShowSaveFailed(std::string_view reason) {
  ShowError(QString::fromUtf8("保存文件失败！") + QStringLiteral("\n") +
            QString::fromLocal8Bit(reason.data(), static_cast<qsizetype>(reason.size())));
}

void QtFileDialogs::ShowError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8("错误"), text, QMessageBox::Ok,
                  m_parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void QtFileDialogs::PrintEditorText() {
  QPrinter printer;
  QPrintDialog dialog(&printer, m_parent);
  if (dialog.exec() != QDialog::Accepted) return;
  m_editor->print(&printer);
}

}  // namespace tabulex
