#include "app/document_controller.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMainWindow>
#include <QMimeData>
#include <QTimer>

#include "editor/qt/main_editor.h"
#include "editor/qt/qt_file_dialogs.h"
#include "engine/qt/gbk_qstring.h"

namespace tabulex {

DocumentController::DocumentController(QMainWindow& window, MainEditor& editor,
                                       DocumentState& document, const CalcSettings& settings,
                                       const RunFilesPaths& paths, TickSource& ticks,
                                       DocumentPort& port)
    : QObject(&window),
      m_window{window},
      m_editor{editor},
      m_document{document},
      m_port{port},
      m_dialogs{std::make_unique<QtFileDialogs>(&window, &editor)},
      m_files{std::make_unique<FileCommands>(editor.buffer(), document, *m_dialogs)},
      m_recoveryFile{paths.directory, ThisProcess()},
      m_recovery{std::make_unique<DocumentRecovery>(editor.buffer(), document, *m_dialogs,
                                                    m_recoveryFile, settings)},
      m_backupScheduler{ticks, settings} {
  // The whole window takes drops: a dropped text or file replaces the whole text.
  window.setAcceptDrops(true);
  connect(&editor, &MainEditor::textEdited, this, &DocumentController::TextEdited);
  // The text is also kept while the program runs, a few seconds after the last change.
  m_backupTimer = new QTimer(this);
  connect(m_backupTimer, &QTimer::timeout, this, [this] {
    if (m_backupScheduler.BackupDue()) {
      m_port.SaveContentBackup();
    } else if (m_backupScheduler.RecoveryDue(m_document.Modified())) {
      m_recovery->Keep();
    }
    m_recovery->DropIfNothingUnsaved();
  });
}

DocumentController::~DocumentController() = default;

void DocumentController::StartKeeping() {
  m_keeping = true;
  m_backupTimer->start(1000);
}

void DocumentController::TextEdited() {
  m_document.TextChanged();
  if (m_keeping) m_backupScheduler.TextChanged();
}

void DocumentController::AfterCommand() {
  ShowDocumentTitle();
  m_recovery->DropIfNothingUnsaved();
}

void DocumentController::OpenFile(const std::filesystem::path& path) {
  m_files->OpenFile(path);
  AfterCommand();
  m_editor.setFocus();
}

void DocumentController::OfferLeftOvers() {
  if (m_recovery->OfferLeftOvers()) ShowDocumentTitle();
}

void DocumentController::ClearedAll() {
  m_document.ClearedAll();
  m_recovery->DropIfNothingUnsaved();
}

void DocumentController::ShowDocumentTitle() {
  if (!m_document.TakeTitleChange()) return;
  if (const std::optional<std::string> title = m_document.WindowTitle()) {
    m_window.setWindowTitle(QString::fromStdString(*title));
  }
}

void DocumentController::AcceptDrag(QDragEnterEvent& event) {
  const QMimeData* mime = event.mimeData();
  if (event.source() == nullptr && (mime->hasUrls() || mime->hasText())) {
    event.acceptProposedAction();
  }
}

void DocumentController::Drop(QDropEvent& event) {
  const QMimeData* mime = event.mimeData();
  for (const QUrl& url : mime->urls()) {
    if (!url.isLocalFile()) continue;
    m_files->DropFile(std::filesystem::path(url.toLocalFile().toStdString()));
    return event.acceptProposedAction();
  }
  if (!mime->hasText()) return;
  m_files->DropText(QStringToGbk(mime->text()));
  event.acceptProposedAction();
}

}  // namespace tabulex
