#include "editor/caret_position_display.h"

#include <gtest/gtest.h>

#include "support/notifying_buffer.h"

namespace tabulex::testing {
namespace {

struct PositionCase {
  const char* text;  // "▮" marks the caret
  std::size_t row;
  std::size_t column;
};

// The column counts the bytes up to and including the one after the caret.
constexpr PositionCase kPositionCases[] = {
    {"▮abc", 1, 1},
    {"a▮bc", 1, 2},
    {"ab▮c", 1, 3},
    {"abc▮", 1, 3},
    {"ab▮\r\ncd", 1, 3},
    {"ab\r\n▮cd", 2, 1},
    {"ab\r\ncd▮", 2, 2},
    // After a final CR LF: the line before it, its full length.
    {"ab\r\n▮", 1, 2},
    {"ab\r\n\r\n▮", 2, 0},
    {"\r\n\r\n▮x", 3, 1},
    {"▮\r\n", 1, 1},
    {"价格▮=1", 1, 5},
    {"x\r\n价格▮", 2, 4},
};

TEST(CaretPositionDisplayTest, RowAndColumn) {
  for (const PositionCase& row : kPositionCases) {
    SCOPED_TRACE(row.text);
    EditorHarness editor;
    editor.Load(row.text);
    const std::optional<CaretPosition> position = FindCaretPosition(editor.buffer);
    ASSERT_TRUE(position.has_value());
    EXPECT_EQ(position->row, row.row);
    EXPECT_EQ(position->column, row.column);
  }
}

TEST(CaretPositionDisplayTest, ShowsRowAndColumnInTheSecondPart) {
  EditorHarness editor;
  editor.Load("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12+3▮");
  CaretPositionDisplay(editor.buffer, editor.caretPosition);
  EXPECT_EQ(EditorHarness::LastOf(editor.caretPosition), " 行: 12,列: 4,");
  EXPECT_TRUE(editor.messages.messages.empty());
}

TEST(CaretPositionDisplayTest, EmptyTextLeavesTheDisplay) {
  EditorHarness editor;
  editor.Load("");
  EXPECT_FALSE(FindCaretPosition(editor.buffer).has_value());
  CaretPositionDisplay(editor.buffer, editor.caretPosition);
  EXPECT_TRUE(editor.caretPosition.messages.empty());
}

// Large texts are read in pieces; a CR LF split between two of them still counts once.
TEST(CaretPositionDisplayTest, LineBreaksAcrossPiecesOfALargeText) {
  constexpr std::size_t kPiece = 64 * 1024;
  for (std::size_t cr = kPiece - 3; cr <= kPiece + 1; ++cr) {
    SCOPED_TRACE(cr);
    TextBuffer text(std::string(cr, 'a') + "\r\n" + "bcd");
    text.SetCaret(text.Length());
    const std::optional<CaretPosition> position = FindCaretPosition(text);
    ASSERT_TRUE(position.has_value());
    EXPECT_EQ(position->row, 2u);
    EXPECT_EQ(position->column, 3u);

    text.SetCaret(cr + 2);  // the line break itself ends the prefix
    EXPECT_EQ(FindCaretPosition(text)->row, 2u);
    text.SetCaret(cr + 1);
    EXPECT_EQ(FindCaretPosition(text)->row, 1u);
    EXPECT_EQ(FindCaretPosition(text)->column, cr);
  }
}

TEST(CaretPositionDisplayTest, AMegabyteDocument) {
  std::string text;
  for (int i = 0; i < 150000; ++i) text += "12+34=46\r\n";
  text += "7*8";
  TextBuffer buffer(text);
  buffer.SetCaret(buffer.Length() - 1);
  const std::optional<CaretPosition> position = FindCaretPosition(buffer);
  ASSERT_TRUE(position.has_value());
  EXPECT_EQ(position->row, 150001u);
  EXPECT_EQ(position->column, 3u);
}

}  // namespace
}  // namespace tabulex::testing
