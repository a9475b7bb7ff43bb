// The EditorBuffer view of a QPlainTextEdit: GBK bytes with CR LF line ends and byte offsets,
// as the calculation and the editor logic count them, over a widget that holds Unicode text
// in blocks. A GBK copy of the text is kept up to date from the document's change
// notifications, so reading bytes costs nothing per keystroke; byte offsets and widget
// positions are mapped through the byte lengths of the blocks.
#pragma once

#include <QObject>

#include <optional>
#include <string>
#include <vector>

#include "engine/editor_buffer.h"
#include "engine/text_buffer.h"

class QPlainTextEdit;
class QTextBlock;
class QString;

namespace tabulex {

class EditorWidgetBuffer final : public QObject, public EditorBuffer {
  Q_OBJECT

 public:
  explicit EditorWidgetBuffer(QPlainTextEdit* editor);

  std::size_t Length() const override { return m_text.Length(); }
  char ByteAt(std::size_t offset) const override { return m_text.ByteAt(offset); }
  std::string Slice(std::size_t start, std::size_t length) const override;
  std::size_t FindByte(char byte, std::size_t from) const override {
    return m_text.FindByte(byte, from);
  }
  std::size_t FindLastByte(char byte, std::size_t before) const override {
    return m_text.FindLastByte(byte, before);
  }

  std::size_t Caret() const override;
  std::size_t SelectionLength() const override;
  void Select(std::size_t start, std::size_t length) override;
  void ReplaceSelection(std::string_view text) override;
  void SetText(std::string_view text) override;

  // Widget position <-> byte offset. A byte offset inside a two-byte character or between
  // CR and LF maps to the position before that character or line break.
  std::size_t ByteOffsetOf(int position) const;
  int PositionOf(std::size_t offset) const;

  // GBK text as the widget shows it: CR LF becomes a line break, bytes that are no GBK
  // character become "?".
  static QString ToWidgetText(std::string_view gbk);

 signals:
  // The text changed (by typing or by this buffer); after the GBK copy is up to date.
  void textChanged();

 private:
  void OnContentsChange(int from, int charsRemoved, int charsAdded);
  void Rebuild();
  std::string BlockText(const QTextBlock& block) const;
  std::size_t BlockStart(int blockNumber) const;

  QPlainTextEdit* m_editor;
  TextBuffer m_text;                         // the whole text in GBK, CR LF between lines
  std::vector<std::size_t> m_blockBytes;     // GBK length of each block, without its CR LF
  mutable std::vector<std::size_t> m_start;  // byte offset of each block, valid up to m_valid
  mutable std::size_t m_valid{0};
  // A caret set between CR and LF, which the widget cannot show; kept until the next change.
  std::optional<std::size_t> m_caretInsideLineBreak;
  int m_caretPositionOfThat{-1};
  bool m_changed{false};  // the text changed since the last textChanged
};

}  // namespace tabulex
