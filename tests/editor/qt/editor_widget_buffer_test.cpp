#include "editor/qt/editor_widget_buffer.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextCursor>

#include <random>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

// The GBK view the buffer must show: the widget's text with CR LF line ends.
std::string Expected(const QPlainTextEdit& editor) {
  std::string gbk = Utf8ToGbk(editor.toPlainText().toStdString());
  std::string out;
  for (char c : gbk) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(EditorWidgetBuffer, FollowsEveryEditOfTheWidget) {
  QPlainTextEdit editor;
  EditorWidgetBuffer buffer(&editor);
  std::mt19937 random(5);
  const QString pieces[] = {"1", "+2", "\n", "价格=", "∟3", "ab\ncd\n", "", "×÷√", "\n\n"};
  for (int step = 0; step < 3000; ++step) {
    QTextCursor cursor = editor.textCursor();
    const int size = editor.document()->characterCount() - 1;
    const int a = static_cast<int>(random() % (size + 1));
    const int b = static_cast<int>(random() % (size + 1));
    cursor.setPosition(a);
    cursor.setPosition(b, QTextCursor::KeepAnchor);
    switch (random() % 6) {
      case 0:
        cursor.removeSelectedText();
        break;
      case 1:
        editor.setPlainText(pieces[random() % std::size(pieces)] + pieces[random() % 4]);
        break;
      default:
        cursor.insertText(pieces[random() % std::size(pieces)]);
        break;
    }
    ASSERT_EQ(buffer.Text(), Expected(editor)) << "step " << step;
  }
  // Every widget position maps to a byte offset and back.
  const int size = editor.document()->characterCount() - 1;
  for (int position = 0; position <= size; ++position) {
    ASSERT_EQ(buffer.PositionOf(buffer.ByteOffsetOf(position)), position);
  }
}

TEST(EditorWidgetBuffer, OffsetsCountGbkBytesAndLineBreaks) {
  QPlainTextEdit editor;
  EditorWidgetBuffer buffer(&editor);
  buffer.SetText(Utf8ToGbk("价格=1\r\n2+3"));
  EXPECT_EQ(editor.toPlainText(), QString("价格=1\n2+3"));
  EXPECT_EQ(buffer.Length(), 11u);
  EXPECT_EQ(buffer.ByteOffsetOf(2), 4u);  // after 价格
  EXPECT_EQ(buffer.ByteOffsetOf(5), 8u);  // start of the second line
  EXPECT_EQ(buffer.Caret(), 0u);

  buffer.Select(3, 0);  // inside 格: the caret moves to the character's start
  EXPECT_EQ(buffer.Caret(), 2u);
  buffer.Select(1, 4);  // from inside 价 to after "="
  EXPECT_EQ(buffer.Caret(), 0u);
  EXPECT_EQ(buffer.SelectionLength(), 5u);
  EXPECT_EQ(editor.textCursor().selectedText(), QString("价格="));

  buffer.Select(7, 0);  // between CR and LF: kept for the calculation, shown at the line end
  EXPECT_EQ(buffer.Caret(), 7u);
  EXPECT_EQ(editor.textCursor().position(), 4);
  buffer.Select(99, 0);
  EXPECT_EQ(buffer.Caret(), 11u);
}

TEST(EditorWidgetBuffer, ReplacingTheSelectionLeavesTheCaretAfterTheText) {
  QPlainTextEdit editor;
  EditorWidgetBuffer buffer(&editor);
  buffer.SetText("abc\r\ndef");
  buffer.Select(1, 1);
  buffer.ReplaceSelection("X\r\nY");
  EXPECT_EQ(buffer.Text(), "aX\r\nYc\r\ndef");
  EXPECT_EQ(buffer.Caret(), 5u);
  EXPECT_EQ(editor.toPlainText(), QString("aX\nYc\ndef"));
  buffer.ReplaceSelection("\x81\x30");  // no GBK character: shown and kept as "?"
  EXPECT_EQ(buffer.Text(), "aX\r\nY?0c\r\ndef");
}

TEST(EditorWidgetBuffer, AnnouncesEachChangeAfterItAndLetsHandlersEditAgain) {
  QPlainTextEdit editor;
  EditorWidgetBuffer buffer(&editor);
  int announced = 0;
  // A handler that turns "++" into "∟", as the typing assistant will, re-entering once.
  QObject::connect(&buffer, &EditorWidgetBuffer::textChanged, [&] {
    ++announced;
    const std::size_t caret = buffer.Caret();
    if (caret >= 2 && buffer.Slice(caret - 2, 2) == "++") {
      buffer.Select(caret - 2, 2);
      buffer.ReplaceSelection("\xA8\x4E");
    }
  });
  QTextCursor cursor = editor.textCursor();
  cursor.insertText("1+");
  editor.setTextCursor(cursor);
  cursor.insertText("+");
  editor.setTextCursor(cursor);
  EXPECT_EQ(buffer.Text(), "1\xA8\x4E");
  EXPECT_EQ(buffer.Caret(), 3u);
  EXPECT_EQ(announced, 3);
}

}  // namespace
}  // namespace tabulex
