// MainEditor: the large text box. It shows the text and turns the widget's events into calls
// of the editor logic (key rules, character filter, typing assistant, gestures, zoom); the
// rules themselves live in the logic units. Characters that GBK cannot hold become "?" as
// they enter, so the widget and the GBK view of it never disagree.
#pragma once

#include <QPlainTextEdit>

#include <memory>

#include "editor/editor_char_filter.h"
#include "editor/editor_gestures.h"
#include "editor/editor_key_handler.h"
#include "editor/editor_key_up_hook.h"
#include "editor/editor_session.h"
#include "editor/qt/editor_widget_buffer.h"
#include "editor/typing_assistant.h"

namespace tabulex {

class MainEditor final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit MainEditor(QWidget* parent);
  ~MainEditor() override;

  EditorWidgetBuffer& buffer() { return *m_buffer; }

  // Connects the logic; before this the editor is a plain text box.
  void Attach(EditorSession& session);

  // The typing assistant's replacement rules stay off while a whole text is put in at once
  // by a command (the text is not being typed); the undo recording still happens.
  void SetTypedTextRules(bool on) { m_typedTextRules = on; }

  static int ModifierState(Qt::KeyboardModifiers modifiers);
  // The key code the editor rules know for a key event, 0 for keys they do not name.
  static int VirtualKeyOf(const QKeyEvent& event);

 signals:
  // After the typing assistant has handled a change of the text.
  void textEdited();
  void contextMenuWanted(const QPoint& globalPosition);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Characters as the keyboard types them: each through the character filter first.
  void TypeCharacters(const QString& text);
  void InsertTyped(const QString& text);
  // A drag that began in this editor (the selection being moved).
  bool StartedHere(const QDropEvent& event) const;

  EditorWidgetBuffer* m_buffer{};
  EditorSession* m_session{};
  std::unique_ptr<TypingAssistant> m_assistant;
  std::unique_ptr<EditorCharFilter> m_charFilter;
  std::unique_ptr<EditorKeyHandler> m_keyHandler;
  std::unique_ptr<EditorKeyUpHook> m_keyUpHook;
  std::unique_ptr<EditorGestures> m_gestures;
  bool m_typedTextRules{true};
};

}  // namespace tabulex
