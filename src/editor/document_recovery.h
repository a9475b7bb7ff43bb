// The window's use of the recovery file (recovery_file.h): while the document has changes that
// are neither saved nor cleared and the text is not kept between runs anyway (keepContent
// off), they are written to it a few seconds after the last change; once nothing is unsaved
// it goes. At the next start, what a run that did not end left behind is offered back.
#pragma once

#include "base/calc_settings.h"
#include "editor/document_state.h"
#include "editor/file_dialogs.h"
#include "editor/recovery_file.h"
#include "engine/editor_buffer.h"

namespace tabulex {

class DocumentRecovery {
 public:
  DocumentRecovery(EditorBuffer& editor, DocumentState& document, FileDialogs& dialogs,
                   RecoveryFile& file, const CalcSettings& settings)
      : m_editor{editor},
        m_document{document},
        m_dialogs{dialogs},
        m_file{file},
        m_settings{settings} {}

  // Writes the unsaved changes now (the scheduler says when). Nothing to write: the file goes.
  void Keep();
  // The file goes once nothing is unsaved, or once keepContent keeps the text instead.
  void DropIfNothingUnsaved();
  // At a normal end: the file goes (the user has been asked about unsaved changes, or chose
  // to end without).
  void Drop() { m_file.Remove(); }

  // At the start, for each file a run that did not end left: the question; "是" brings back
  // its text, caret, file name and format as an unsaved document (and keeps them here at
  // once), "否" removes it. True when a document came back.
  bool OfferLeftOvers();

 private:
  bool Unsaved() const { return m_document.Modified() && !m_settings.keepContent; }

  EditorBuffer& m_editor;
  DocumentState& m_document;
  FileDialogs& m_dialogs;
  RecoveryFile& m_file;
  const CalcSettings& m_settings;
};

}  // namespace tabulex
