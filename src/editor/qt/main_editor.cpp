#include "editor/qt/main_editor.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextCursor>

#include "editor/caret_position_display.h"
#include "editor/virtual_keys.h"
#include "engine/qt/gbk_qstring.h"

namespace tabulex {
namespace {

// The text as GBK can hold it: what it cannot becomes "?".
QString AsGbkCanHoldIt(const QString& text) {
  return EditorWidgetBuffer::ToWidgetText(QStringToGbk(text));
}

}  // namespace

MainEditor::MainEditor(QWidget* parent) : QPlainTextEdit(parent) {
  // The undo history of the editor logic replaces the widget's own.
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  m_buffer = new EditorWidgetBuffer(this);
  // Its own drags only: a drop from outside belongs to the main window (see dragEnterEvent).
  setAcceptDrops(false);
  viewport()->setAcceptDrops(true);
}

MainEditor::~MainEditor() = default;

void MainEditor::Attach(EditorSession& session) {
  m_session = &session;
  m_assistant = std::make_unique<TypingAssistant>(session);
  m_charFilter = std::make_unique<EditorCharFilter>(session);
  m_keyHandler = std::make_unique<EditorKeyHandler>(session);
  m_keyUpHook = std::make_unique<EditorKeyUpHook>(session);
  m_gestures = std::make_unique<EditorGestures>(session);
  connect(m_buffer, &EditorWidgetBuffer::textChanged, this, [this] {
    if (m_typedTextRules) {
      m_assistant->OnTextChanged();
    } else {
      m_session->undo.RecordSnapshot(*m_buffer);
    }
    emit textEdited();
  });
  // The row and column follow the caret wherever it goes: keys, clicks, commands.
  connect(this, &QPlainTextEdit::cursorPositionChanged, this,
          [this] { CaretPositionDisplay(*m_buffer, m_session->caretPosition); });
}

int MainEditor::ModifierState(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ControlModifier ? kCtrl : 0) |
         (modifiers & Qt::ShiftModifier ? kShift : 0) | (modifiers & Qt::AltModifier ? kAlt : 0);
}

int MainEditor::VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return vk::kReturn;
  if (key == Qt::Key_Space) return vk::kSpace;
  if (key == Qt::Key_Backspace) return vk::kBackspace;
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return vk::kTab;
  if (key == Qt::Key_QuoteLeft || key == Qt::Key_AsciiTilde) return vk::kGrave;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    const int digit = key - Qt::Key_0;
    return (event.modifiers() & Qt::KeypadModifier ? vk::kNumpad0 : vk::kDigit0) + digit;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 0x41 + (key - Qt::Key_A);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return vk::kF1 + (key - Qt::Key_F1);
  return 0;
}

bool MainEditor::event(QEvent* event) {
  // Ctrl shortcuts belong to the menus (undo, paste result, clear all ...), not to the
  // widget's built-in bindings.
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & Qt::ControlModifier) && key->key() != Qt::Key_Return &&
        key->key() != Qt::Key_Enter) {
      event->ignore();
      return true;
    }
  }
  return QPlainTextEdit::event(event);
}

void MainEditor::keyPressEvent(QKeyEvent* event) {
  if (m_session == nullptr) return QPlainTextEdit::keyPressEvent(event);
  const int key = VirtualKeyOf(*event);
  const int modifiers = ModifierState(event->modifiers());
  if (m_keyHandler->OnKeyDown(key, modifiers) == KeyDisposition::Discard) return event->accept();
  // Tab converts the result on release; it neither inserts a tab nor leaves the editor.
  if (key == vk::kTab) return event->accept();
  const QString text = event->text();
  if (text.isEmpty() || !text[0].isPrint() || (event->modifiers() & Qt::ControlModifier)) {
    return QPlainTextEdit::keyPressEvent(event);
  }
  TypeCharacters(text);
  event->accept();
}

void MainEditor::TypeCharacters(const QString& text) {
  for (const char32_t c : text.toUcs4()) {
    if (m_charFilter->OnChar(c) == KeyDisposition::Proceed) {
      InsertTyped(QString::fromUcs4(&c, 1));
    }
  }
}

void MainEditor::InsertTyped(const QString& text) {
  // Through a copy of the cursor: the widget's own follows the insertion, and handlers that
  // run during it may place it elsewhere (the typing assistant's "()" puts it between).
  QTextCursor cursor = textCursor();
  cursor.insertText(AsGbkCanHoldIt(text));
  ensureCursorVisible();
}

void MainEditor::keyReleaseEvent(QKeyEvent* event) {
  if (m_session != nullptr && !event->isAutoRepeat()) m_keyUpHook->OnKeyUp(VirtualKeyOf(*event));
  QPlainTextEdit::keyReleaseEvent(event);
}

void MainEditor::wheelEvent(QWheelEvent* event) {
  if (m_session == nullptr) return QPlainTextEdit::wheelEvent(event);
  const int modifiers = ModifierState(event->modifiers());
  // Every turn counts: one without Ctrl ends the parts of a notch gathered with it.
  const int notches = m_gestures->WheelNotches(event->angleDelta().y(), modifiers);
  if (modifiers != kCtrl) return QPlainTextEdit::wheelEvent(event);
  QFont zoomed = font();
  zoomed.setPointSize(EditorGestures::ZoomedFontSize(zoomed.pointSize(), notches, modifiers));
  setFont(zoomed);
  // The turn still scrolls, as without Ctrl: the widget's own Ctrl+wheel would zoom again.
  QWheelEvent scroll(event->position(), event->globalPosition(), event->pixelDelta(),
                     event->angleDelta(), event->buttons(), Qt::NoModifier, event->phase(),
                     event->inverted());
  QPlainTextEdit::wheelEvent(&scroll);
}

void MainEditor::mousePressEvent(QMouseEvent* event) {
  QPlainTextEdit::mousePressEvent(event);
  if (m_session != nullptr && event->button() == Qt::LeftButton) {
    const QPoint at = event->globalPosition().toPoint();
    m_gestures->OnLeftButtonDown(at.x(), at.y());
  }
}

void MainEditor::mouseMoveEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseMoveEvent(event);
  if (m_session != nullptr) {
    // A release the editor never saw (a drag and drop took it) still ends the hold, so that
    // Ctrl and a later mouse move do not move the window.
    if (m_gestures->DragState().held && !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
      m_gestures->OnLeftButtonUp(0);
    }
    const QPoint at = event->globalPosition().toPoint();
    m_gestures->OnMouseMove(at.x(), at.y(), ModifierState(event->modifiers()));
  }
}

void MainEditor::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  if (m_session == nullptr) return;
  if (event->button() == Qt::LeftButton) {
    m_gestures->OnLeftButtonUp(ModifierState(event->modifiers()));
  } else if (event->button() == Qt::RightButton) {
    emit contextMenuWanted(event->globalPosition().toPoint());
  }
}

void MainEditor::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  if (m_session != nullptr) m_gestures->OnFocusIn();
}

void MainEditor::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();  // the main window's own menu opens on the right-button release
}

// Text an input method commits enters as typed text does, character by character through the
// character filter ("*" becomes "×" ...); what GBK cannot hold becomes "?". The composition
// and any replacement of text around the caret stay the widget's.
void MainEditor::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = event->commitString();
  if (m_session == nullptr || committed.isEmpty()) return QPlainTextEdit::inputMethodEvent(event);
  QInputMethodEvent rest(event->preeditString(), event->attributes());
  rest.setCommitString(QString(), event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&rest);
  TypeCharacters(committed);
  event->accept();
}

bool MainEditor::StartedHere(const QDropEvent& event) const {
  for (const QObject* source = event.source(); source != nullptr; source = source->parent()) {
    if (source == this) return true;
  }
  return false;
}

// A drag that begins here moves the selection, as in any text box (one change, one undo step).
// Any other drag is ignored, and goes on to the main window.
void MainEditor::dragEnterEvent(QDragEnterEvent* event) {
  if (!StartedHere(*event)) return event->ignore();
  QPlainTextEdit::dragEnterEvent(event);
}

void MainEditor::dragMoveEvent(QDragMoveEvent* event) {
  if (!StartedHere(*event)) return event->ignore();
  QPlainTextEdit::dragMoveEvent(event);
}

void MainEditor::dropEvent(QDropEvent* event) {
  if (!StartedHere(*event)) return event->ignore();
  QPlainTextEdit::dropEvent(event);
}

void MainEditor::insertFromMimeData(const QMimeData* source) {
  if (source->hasText()) InsertTyped(source->text());
}

}  // namespace tabulex
