// The editing commands of the Edit menu and the editor's context menu that are more than the
// widget's own clipboard and select-all: paste result, clear all, delete the current line,
// the separator line and the insert-function submenu. The caller gives the editor the focus
// back afterwards.
#pragma once

#include <span>
#include <string_view>

#include "editor/editor_session.h"

namespace tabulex {

// One item of the insert-function submenu: its caption and what it inserts (UTF-8; empty for
// the items that insert nothing).
struct InsertFunctionItem {
  std::string_view caption;
  std::string_view text;
};

class EditCommands {
 public:
  explicit EditCommands(EditorSession& session) : m_session{session} {}

  // The submenu's items in menu order.
  static std::span<const InsertFunctionItem> InsertFunctionItems();

  // Replaces the selection with the last result; the clipboard is not touched. Nothing
  // happens while there is no result yet.
  void PasteResult();
  // The whole text becomes the blank document (45 empty lines).
  void ClearAll();
  // Empties the caret's line, keeping its line break; the caret goes to the line's start.
  void DeleteCurrentLine();
  // Replaces the selection with a line of 106 "━" between two line breaks.
  void InsertSeparatorLine();
  // Inserts the text of the submenu item with this caption, replacing the selection. Items
  // without a text, and unknown captions, do nothing.
  void InsertFunction(std::string_view caption);

 private:
  EditorSession& m_session;
};

}  // namespace tabulex
