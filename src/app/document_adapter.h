// DocumentAdapter: the document port carried out on the editor's text, its undo history, the
// status bar and the content backup file.
#pragma once

#include "base/calc_settings.h"
#include "editor/document_state.h"
#include "editor/undo_history.h"
#include "engine/editor_buffer.h"
#include "session/document_port.h"
#include "settings/run_files_directory.h"
#include "settings/settings_store.h"

namespace tabulex {

class MainStatusBar;

class DocumentAdapter final : public DocumentPort {
 public:
  struct Parts {
    EditorBuffer& buffer;
    DocumentState& document;
    UndoHistory& undo;
    MainStatusBar& statusBar;
    const CalcSettings& settings;
    const RunFilesPaths& paths;
    SettingsStore& store;
  };

  explicit DocumentAdapter(Parts parts) : m_parts{parts} {}

  void RestoreContentBackup() override;
  void SaveContentBackup() override;
  std::int64_t CaretOffset() const override;
  void RecordInitialUndoSnapshot() override;
  void SetUndoLimit(std::int32_t limit) override;
  void ShowCaretPosition() override;
  void ShowStatus(std::string_view gbkText) override;

 private:
  Parts m_parts;
};

}  // namespace tabulex
