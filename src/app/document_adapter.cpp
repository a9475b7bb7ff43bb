#include "app/document_adapter.h"

#include "editor/caret_position_display.h"
#include "editor/content_backup.h"
#include "window/qt/main_status_bar.h"

namespace tabulex {

void DocumentAdapter::RestoreContentBackup() {
  ::tabulex::RestoreContentBackup(m_parts.buffer, m_parts.settings.keepContent,
                                  m_parts.paths.backupFile, m_parts.store);
  m_parts.document.RestoredAtStartup();
}

void DocumentAdapter::SaveContentBackup() {
  ::tabulex::SaveContentBackup(m_parts.buffer, m_parts.paths.backupFile);
}

std::int64_t DocumentAdapter::CaretOffset() const {
  return static_cast<std::int64_t>(m_parts.buffer.Caret());
}

void DocumentAdapter::RecordInitialUndoSnapshot() {
  m_parts.undo.SetLimit(m_parts.settings.undoLimit);
  m_parts.undo.RecordSnapshot(m_parts.buffer);
}

void DocumentAdapter::SetUndoLimit(std::int32_t limit) {
  m_parts.undo.SetLimit(limit);
}

void DocumentAdapter::ShowCaretPosition() {
  CaretPositionDisplay(m_parts.buffer, m_parts.statusBar.caretPosition());
}

void DocumentAdapter::ShowStatus(std::string_view gbkText) {
  m_parts.statusBar.messages().ShowStatus(gbkText);
}

}  // namespace tabulex
