#include "editor/document_recovery.h"

#include <system_error>

namespace tabulex {

void DocumentRecovery::Keep() {
  if (!Unsaved()) return m_file.Remove();
  m_file.Write(RecoveredDocument{m_editor.Text(), m_editor.Caret(), m_document.FileName(),
                                 m_document.Format()});
}

void DocumentRecovery::DropIfNothingUnsaved() {
  if (!Unsaved()) m_file.Remove();
}

bool DocumentRecovery::OfferLeftOvers() {
  bool restored = false;
  for (const std::filesystem::path& path : m_file.LeftOver()) {
    const std::optional<RecoveredDocument> left = RecoveryFile::Read(path);
    if (left && restored) continue;  // one document at a time: the others wait for a start
    const bool restore = left && m_dialogs.AskToRecoverUnsavedText();
    std::error_code error;
    std::filesystem::remove(path, error);
    if (restore) {
      m_editor.SetText(left->text);
      m_editor.SetCaret(left->caret);
      m_document.Recovered(left->fileName, left->format);
      restored = true;
      Keep();  // kept again at once, as this run's own
    }
  }
  return restored;
}

}  // namespace tabulex
