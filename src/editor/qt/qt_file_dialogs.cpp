#include "editor/qt/qt_file_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>

#include <string_view>

namespace tabulex {
namespace {

// The file dialog's filter in the form "name|pattern"; Qt takes the part before the bar,
// which names its pattern in brackets.
constexpr std::string_view kTextFileFilter = "文本文件(*.txt)|*.txt";

// Reasons come from the program (UTF-8) or from the system (its locale's encoding, which
// on Linux is UTF-8 as well).
QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

std::optional<ChosenFile> QtFileDialogs::ChooseFileToSave(FileEncoding preselected) {
  return ChooseFileToSaveIn("请输入欲保存到的文本文件名：", preselected);
}

std::optional<ChosenFile> QtFileDialogs::ChooseFileToSaveAs(FileEncoding preselected) {
  return ChooseFileToSaveIn("请输入欲另存到的文本文件名：", preselected);
}

// The two encodings are the dialog's file types; the chosen one becomes the document's.
std::optional<ChosenFile> QtFileDialogs::ChooseFileToSaveIn(const char* title,
                                                            FileEncoding preselected) {
  const QString gbk = QString::fromUtf8("文本文件 GBK (*.txt)");
  const QString utf8 = QString::fromUtf8("文本文件 UTF-8 (*.txt)");
  QFileDialog dialog(m_parent, QString::fromUtf8(title));
  dialog.setNameFilters({gbk, utf8});
  dialog.selectNameFilter(preselected == FileEncoding::Utf8 ? utf8 : gbk);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ChosenFile{std::filesystem::path(dialog.selectedFiles().first().toStdString()),
                    dialog.selectedNameFilter() == utf8 ? FileEncoding::Utf8 : FileEncoding::Gbk};
}

std::optional<std::filesystem::path> QtFileDialogs::ChooseFileToOpen() {
  QFileDialog dialog(m_parent, QString::fromUtf8("请输入欲打开的文本文件名："));
  dialog.setNameFilter(QtFilter());
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

void QtFileDialogs::ShowOpenFailed(std::string_view reason) {
  ShowError(QString::fromUtf8("打开文件失败！") + QStringLiteral("\n") + Text(reason));
}

void QtFileDialogs::ShowSaveFailed(std::string_view reason) {
  ShowError(QString::fromUtf8("保存文件失败！") + QStringLiteral("\n") + Text(reason));
}

void QtFileDialogs::ShowContentNotShown(std::size_t characters, std::size_t bytesNotOpened) {
  QString text;
  if (characters > 0) {
    text += QString::fromUtf8("文件中有 %1 个字符无法显示，已显示为“?”；保存时它们会被写成“?”。")
                .arg(characters);
  }
  if (bytesNotOpened > 0) {
    if (!text.isEmpty()) text += QStringLiteral("\n");
    text += QString::fromUtf8(
                "文件在结束符（0x00 或 0x1A）处截止，其后 %1 个字节没有打开；"
                "保存到原文件会丢失它们。")
                .arg(bytesNotOpened);
  }
  QMessageBox box(QMessageBox::Information, QString::fromUtf8("提示"), text, QMessageBox::Ok,
                  m_parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

bool QtFileDialogs::ConfirmSaveLosingContent() {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8("询问"),
                  QString::fromUtf8("这个文件中有无法显示或没有打开的内容，保存到原文件会用“?”"
                                    "代替或丢失它们。是否仍然保存？"),
                  QMessageBox::Yes | QMessageBox::No, m_parent);
  box.setDefaultButton(QMessageBox::No);
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec() == QMessageBox::Yes;
}

void QtFileDialogs::ShowError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8("错误"), text, QMessageBox::Ok,
                  m_parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

bool QtFileDialogs::AskToRecoverUnsavedText() {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8("询问"),
                  QString::fromUtf8("上次运行没有正常结束，是否恢复当时未保存的内容？"),
                  QMessageBox::Yes | QMessageBox::No, m_parent);
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec() == QMessageBox::Yes;
}

void QtFileDialogs::PrintEditorText() {
  QPrinter printer;
  QPrintDialog dialog(&printer, m_parent);
  if (dialog.exec() != QDialog::Accepted) return;
  m_editor->print(&printer);
}

}  // namespace tabulex
