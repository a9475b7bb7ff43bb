// DocumentPort: the main window's text beyond the calculation: its backup, the undo
// history's start and limit, the caret and the status bar's first part.
#pragma once

#include <cstdint>
#include <string_view>

namespace tabulex {

class DocumentPort {
 public:
  virtual ~DocumentPort() = default;

  // The kept text and its caret (read from the configuration file), or the blank document.
  virtual void RestoreContentBackup() = 0;
  virtual void SaveContentBackup() = 0;
  // The editor's caret as a byte offset into its GBK text.
  virtual std::int64_t CaretOffset() const = 0;
  virtual void RecordInitialUndoSnapshot() = 0;
  // The undo history's limit, taking effect at once.
  virtual void SetUndoLimit(std::int32_t limit) = 0;
  // CaretPositionDisplay into the status bar's second part.
  virtual void ShowCaretPosition() = 0;
  // A GBK text for the status bar's first part.
  virtual void ShowStatus(std::string_view gbkText) = 0;
};

}  // namespace tabulex
