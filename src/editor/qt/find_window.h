// FindWindow: the modeless find-and-replace window. Its buttons store the fields in the
// shared FindState and run Find or ReplaceAll on the editor, then give the editor the focus
// through the callback. It is created on each opening; closing it keeps the FindState.
#pragma once

#include <QDialog>

#include <functional>

#include "editor/find_replace.h"
#include "engine/editor_buffer.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tabulex {

class FindWindow final : public QDialog {
  Q_OBJECT

 public:
  // Shows the stored search text all selected and the stored case option; the replacement
  // box starts empty.
  FindWindow(QWidget* parent, FindState& state, EditorBuffer& editor,
             std::function<void()> focusEditor);

 private:
  void UpdateButtons();
  void StoreSearchFields();
  void FindAndFocus(FindDirection direction, FindAction action);
  void ReplaceAllAndFocus();

  FindState& m_state;
  EditorBuffer& m_editor;
  std::function<void()> m_focusEditor;
  QLineEdit* m_searchBox{};
  QCheckBox* m_caseOption{};
  QLineEdit* m_replacementBox{};
  QPushButton* m_findPrevious{};
  QPushButton* m_findNext{};
  QPushButton* m_replace{};
  QPushButton* m_replaceAll{};
};

}  // namespace tabulex
