#include "editor/qt/editor_widget_buffer.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "engine/qt/gbk_qstring.h"

namespace tabulex {
namespace {

// Widget positions and GBK bytes of the characters of a block text, walked together.
// A surrogate pair is one character (it has no GBK form: "?", one byte) over two positions.
template <typename Visit>
void WalkCharacters(const QString& text, Visit visit) {
  for (int i = 0; i < text.size();) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      if (!visit(i, 2, std::size_t{1})) return;
      i += 2;
      continue;
    }
    if (!visit(i, 1, GbkLengthOf(c.unicode()))) return;
    ++i;
  }
}

}  // namespace

EditorWidgetBuffer::EditorWidgetBuffer(QPlainTextEdit* editor) : QObject(editor), m_editor{editor} {
  Rebuild();
  connect(m_editor->document(), &QTextDocument::contentsChange, this,
          &EditorWidgetBuffer::OnContentsChange);
  // Announced once the widget has finished the change, so that handlers may edit again.
  connect(m_editor, &QPlainTextEdit::textChanged, this, [this] {
    if (!m_changed) return;
    m_changed = false;
    emit textChanged();
  });
}

QString EditorWidgetBuffer::ToWidgetText(std::string_view gbk) {
  std::string lines;
  lines.reserve(gbk.size());
  for (std::size_t i = 0; i < gbk.size(); ++i) {
    if (gbk[i] == '\r') {
      // CR LF, and a CR alone, are line breaks in the widget.
      if (i + 1 < gbk.size() && gbk[i + 1] == '\n') ++i;
      lines += '\n';
    } else {
      lines += gbk[i];
    }
  }
  return GbkToQString(lines);
}

std::string EditorWidgetBuffer::BlockText(const QTextBlock& block) const {
  return QStringToGbk(block.text());
}

void EditorWidgetBuffer::Rebuild() {
  const QTextDocument* document = m_editor->document();
  std::string text;
  m_blockBytes.clear();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block.blockNumber() > 0) text += "\r\n";
    const std::string bytes = BlockText(block);
    m_blockBytes.push_back(bytes.size());
    text += bytes;
  }
  m_text.SetText(text);
  m_valid = 0;
}

std::size_t EditorWidgetBuffer::BlockStart(int blockNumber) const {
  const auto k = static_cast<std::size_t>(blockNumber);
  if (m_start.size() < m_blockBytes.size()) m_start.resize(m_blockBytes.size());
  if (m_valid == 0) {
    m_start[0] = 0;
    m_valid = 1;
  }
  for (; m_valid <= k; ++m_valid) {
    m_start[m_valid] = m_start[m_valid - 1] + m_blockBytes[m_valid - 1] + 2;
  }
  return m_start[k];
}

void EditorWidgetBuffer::OnContentsChange(int from, int charsRemoved, int charsAdded) {
  (void)charsRemoved;
  const QTextDocument* document = m_editor->document();
  const int newCount = document->blockCount();
  const int oldCount = static_cast<int>(m_blockBytes.size());
  const int delta = newCount - oldCount;

  QTextBlock first = document->findBlock(from);
  if (!first.isValid()) first = document->lastBlock();
  QTextBlock last = document->findBlock(from + charsAdded);
  if (!last.isValid()) last = document->lastBlock();
  const int firstNumber = std::min(first.blockNumber(), std::max(0, oldCount - 1));
  const int lastNew = std::max(last.blockNumber(), firstNumber);
  const int lastOld = std::clamp(lastNew - delta, firstNumber, std::max(0, oldCount - 1));

  // The bytes of the old blocks firstNumber..lastOld give way to those of the new ones.
  const std::size_t start = oldCount == 0 ? 0 : BlockStart(firstNumber);
  std::size_t oldLength = 0;
  for (int k = firstNumber; k <= lastOld && k < oldCount; ++k) {
    oldLength += m_blockBytes[static_cast<std::size_t>(k)] + (k > firstNumber ? 2 : 0);
  }
  std::string replacement;
  std::vector<std::size_t> lengths;
  QTextBlock block = document->findBlockByNumber(firstNumber);
  for (int k = firstNumber; k <= lastNew && block.isValid(); ++k, block = block.next()) {
    if (k > firstNumber) replacement += "\r\n";
    const std::string bytes = BlockText(block);
    lengths.push_back(bytes.size());
    replacement += bytes;
  }
  const bool changed = m_text.Slice(start, oldLength) != replacement;
  m_text.Select(start, oldLength);
  m_text.ReplaceSelection(replacement);
  const auto begin = m_blockBytes.begin() + firstNumber;
  m_blockBytes.erase(begin, begin + std::min(lastOld - firstNumber + 1, oldCount - firstNumber));
  m_blockBytes.insert(m_blockBytes.begin() + firstNumber, lengths.begin(), lengths.end());
  m_valid = std::min(m_valid, static_cast<std::size_t>(firstNumber) + 1);

  if (static_cast<int>(m_blockBytes.size()) != newCount) Rebuild();  // never expected
  if (!changed) return;
  m_caretInsideLineBreak.reset();
  m_changed = true;
}

std::string EditorWidgetBuffer::Slice(std::size_t start, std::size_t length) const {
  return m_text.Slice(start, length);
}

std::size_t EditorWidgetBuffer::ByteOffsetOf(int position) const {
  const QTextDocument* document = m_editor->document();
  QTextBlock block = document->findBlock(position);
  if (!block.isValid()) return Length();
  const int inBlock = position - block.position();
  std::size_t bytes = BlockStart(block.blockNumber());
  WalkCharacters(block.text(), [&](int at, int, std::size_t length) {
    if (at >= inBlock) return false;
    bytes += length;
    return true;
  });
  return bytes;
}

int EditorWidgetBuffer::PositionOf(std::size_t offset) const {
  offset = std::min(offset, Length());
  // The block whose bytes hold offset: the last one starting at or before it.
  int low = 0;
  int high = static_cast<int>(m_blockBytes.size()) - 1;
  BlockStart(high);
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    if (BlockStart(middle) <= offset) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  const QTextBlock block = m_editor->document()->findBlockByNumber(low);
  const std::size_t inBlock = offset - BlockStart(low);
  if (inBlock >= m_blockBytes[static_cast<std::size_t>(low)]) {
    return block.position() + block.length() - 1;  // at or inside the line break
  }
  int position = block.position();
  std::size_t bytes = 0;
  WalkCharacters(block.text(), [&](int at, int width, std::size_t length) {
    if (bytes + length > inBlock) return false;  // inside a character: its start
    bytes += length;
    position = block.position() + at + width;
    return bytes < inBlock;
  });
  return position;
}

std::size_t EditorWidgetBuffer::Caret() const {
  const QTextCursor cursor = m_editor->textCursor();
  if (m_caretInsideLineBreak && !cursor.hasSelection() &&
      cursor.position() == m_caretPositionOfThat) {
    return *m_caretInsideLineBreak;
  }
  return ByteOffsetOf(cursor.selectionStart());
}

std::size_t EditorWidgetBuffer::SelectionLength() const {
  const QTextCursor cursor = m_editor->textCursor();
  if (!cursor.hasSelection()) return 0;
  return ByteOffsetOf(cursor.selectionEnd()) - ByteOffsetOf(cursor.selectionStart());
}

void EditorWidgetBuffer::Select(std::size_t start, std::size_t length) {
  start = std::min(start, Length());
  const std::size_t end = start + std::min(length, Length() - start);
  QTextCursor cursor = m_editor->textCursor();
  const int startPosition = PositionOf(start);
  cursor.setPosition(startPosition);
  if (end > start) cursor.setPosition(PositionOf(end), QTextCursor::KeepAnchor);
  m_editor->setTextCursor(cursor);
  m_caretInsideLineBreak.reset();
  if (end == start && start > 0 && ByteAt(start - 1) == '\r' && start < Length() &&
      ByteAt(start) == '\n') {
    m_caretInsideLineBreak = start;
    m_caretPositionOfThat = startPosition;
  }
}

void EditorWidgetBuffer::ReplaceSelection(std::string_view text) {
  // Through a copy of the cursor: the widget's own follows the insertion, and handlers that
  // run during it may place it elsewhere.
  QTextCursor cursor = m_editor->textCursor();
  cursor.insertText(ToWidgetText(text));
}

void EditorWidgetBuffer::SetText(std::string_view text) {
  // Announced even when the text stays the same: an undo to an identical snapshot must still
  // reach the undo history, which waits for the change it caused.
  m_changed = true;
  m_editor->setPlainText(ToWidgetText(text));
  QTextCursor cursor = m_editor->textCursor();
  cursor.setPosition(0);
  m_editor->setTextCursor(cursor);
}

}  // namespace tabulex
