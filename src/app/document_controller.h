// DocumentController: the main window's document as a file: the file commands and their
// dialogs, the window title that follows the file, drops from other programs, and keeping
// the text safe while the program runs (the content backup, or the recovery file).
#pragma once

#include <QObject>

#include <filesystem>
#include <memory>

#include "base/calc_settings.h"
#include "editor/content_backup.h"
#include "editor/document_recovery.h"
#include "editor/document_state.h"
#include "editor/file_commands.h"
#include "editor/recovery_file.h"
#include "engine/tick_source.h"
#include "session/document_port.h"
#include "settings/run_files_directory.h"

class QDragEnterEvent;
class QDropEvent;
class QMainWindow;
class QTimer;

namespace tabulex {

class MainEditor;

class DocumentController final : public QObject {
 public:
  DocumentController(QMainWindow& window, MainEditor& editor, DocumentState& document,
                     const CalcSettings& settings, const RunFilesPaths& paths, TickSource& ticks,
                     DocumentPort& port);
  ~DocumentController() override;

  FileCommands& files() { return *m_files; }
  DocumentRecovery& recovery() { return *m_recovery; }

  // Once the start-up has restored the text: from now on changes are kept.
  void StartKeeping();
  // After any command: the title follows the file, and a recovery file with nothing unsaved
  // goes.
  void AfterCommand();
  // An open with a given file: as "&O.打开" does, asking to save first.
  void OpenFile(const std::filesystem::path& path);
  // What a run that did not end left behind, offered back.
  void OfferLeftOvers();
  void ClearedAll();

  // Only drops from other programs replace the text: a drag that starts in this program (the
  // editor's own selection, a text box of a tool window) has a source here and is refused.
  static void AcceptDrag(QDragEnterEvent& event);
  // A dropped file (the first local one of several) or text replaces the whole text.
  void Drop(QDropEvent& event);

 private:
  void ShowDocumentTitle();
  void TextEdited();

  QMainWindow& m_window;
  MainEditor& m_editor;
  DocumentState& m_document;
  DocumentPort& m_port;
  std::unique_ptr<FileDialogs> m_dialogs;
  std::unique_ptr<FileCommands> m_files;
  RecoveryFile m_recoveryFile;
  std::unique_ptr<DocumentRecovery> m_recovery;
  ContentBackupScheduler m_backupScheduler;
  QTimer* m_backupTimer{};
  bool m_keeping{false};
};

}  // namespace tabulex
