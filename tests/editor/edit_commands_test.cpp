#include "editor/edit_commands.h"

#include <gtest/gtest.h>

#include "support/notifying_buffer.h"

namespace tabulex::testing {
namespace {

std::string Repeated(std::string_view piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

TEST(EditCommandsTest, PasteResultReplacesTheSelectionAndLeavesTheClipboard) {
  EditorHarness editor;
  editor.state.lastResult = "18";
  editor.Load("1+«abc»\r\n");
  editor.commands.PasteResult();
  EXPECT_EQ(editor.Shown(), "1+18▮\r\n");
  EXPECT_TRUE(editor.clipboard.texts.empty());
}

TEST(EditCommandsTest, PasteResultWithoutAResultDoesNothing) {
  EditorHarness editor;
  editor.Load("1+«abc»");
  editor.commands.PasteResult();
  EXPECT_EQ(editor.Shown(), "1+«abc»");
  EXPECT_EQ(editor.buffer.changes, 0);
}

TEST(EditCommandsTest, ClearAllGivesTheBlankDocument) {
  EditorHarness editor;
  editor.Load("1+2=3\r\n4▮");
  editor.commands.ClearAll();
  EXPECT_EQ(editor.Shown(), "▮" + Repeated("\r\n", 45));
}

struct DeleteLineCase {
  const char* start;
  const char* shown;
};

constexpr DeleteLineCase kDeleteLineCases[] = {
    {"ab▮c\r\nde\r\nf", "▮\r\nde\r\nf"},
    {"ab\r\nd▮e\r\nf", "ab\r\n▮\r\nf"},
    {"ab\r\n▮de\r\nf", "ab\r\n▮\r\nf"},
    {"ab\r\nde▮\r\nf", "ab\r\n▮\r\nf"},
    {"ab\r\nde\r\nf▮", "ab\r\nde\r\n▮"},
    {"ab\r\nde\r\n▮f", "ab\r\nde\r\n▮"},
    {"a«b\r\nd»e", "▮\r\nde"},
    {"价格=1▮\r\n", "▮\r\n"},
    {"abc▮", "▮"},
    // Nothing to delete on an empty line, also after a final line break.
    {"ab\r\n▮\r\nc", "ab\r\n▮\r\nc"},
    {"ab\r\n▮", "ab\r\n▮"},
};

TEST(EditCommandsTest, DeleteCurrentLineEmptiesExactlyThatLine) {
  for (const DeleteLineCase& row : kDeleteLineCases) {
    SCOPED_TRACE(row.start);
    EditorHarness editor;
    editor.Load(row.start);
    editor.commands.DeleteCurrentLine();
    EXPECT_EQ(editor.Shown(), row.shown);
  }
}

TEST(EditCommandsTest, SeparatorLineStandsOnALineOfItsOwn) {
  EditorHarness editor;
  editor.Load("1+2=3▮\r\n4");
  editor.commands.InsertSeparatorLine();
  EXPECT_EQ(editor.Shown(), "1+2=3\r\n" + Repeated("━", 106) + "\r\n▮\r\n4");
  EXPECT_EQ(editor.buffer.Length(), 8u + 216u);

  editor.Load("1«abc»2");
  editor.commands.InsertSeparatorLine();
  EXPECT_EQ(editor.Shown(), "1\r\n" + Repeated("━", 106) + "\r\n▮2");
}

TEST(EditCommandsTest, SeparatorCharacterBytes) {
  EditorHarness editor;
  editor.Load("");
  editor.commands.InsertSeparatorLine();
  EXPECT_EQ(editor.buffer.Slice(2, 4), "\xA9\xA5\xA9\xA5");
}

struct FunctionCase {
  const char* caption;
  const char* inserted;  // UTF-8; "" when the item inserts nothing
};

constexpr FunctionCase kFunctionCases[] = {
    {"sin(", "sin("},  {"sinh(", "sinh"},    {"asin(", ""},       {"asinh(", "asinh（"},
    {"cos(", "cos（"}, {"cosh(", ""},        {"acos(", "acos（"}, {"acosh(", ""},
    {"tan(", "tan（"}, {"tanh(", ""},        {"atan(", ""},       {"atanh(", "atanh（"},
    {"lg(", "lg（"},   {"log( ,", "log（,"}, {"ln(", "ln（"},     {"int(", "int（"},
};

TEST(EditCommandsTest, InsertFunctionItems) {
  const auto items = EditCommands::InsertFunctionItems();
  ASSERT_EQ(items.size(), std::size(kFunctionCases));
  for (std::size_t i = 0; i < items.size(); ++i) {
    const FunctionCase& row = kFunctionCases[i];
    SCOPED_TRACE(row.caption);
    EXPECT_EQ(items[i].caption, row.caption);
    EditorHarness editor;
    editor.Load("2«x»");
    editor.commands.InsertFunction(row.caption);
    EXPECT_EQ(editor.Shown(),
              *row.inserted ? "2" + std::string(row.inserted) + "▮" : std::string("2«x»"));
  }
}

TEST(EditCommandsTest, InsertedFunctionsAreCalculated) {
  EditorHarness editor;
  editor.Load("");
  editor.commands.InsertFunction("cos(");
  editor.Type("60)");
  editor.Key(vk::kReturn);
  EXPECT_EQ(editor.Shown(), "cos（60)=0.5▮");
}

TEST(EditCommandsTest, UnknownCaptionInsertsNothing) {
  EditorHarness editor;
  editor.Load("1");
  editor.commands.InsertFunction("exp(");
  EXPECT_EQ(editor.buffer.changes, 0);
}

}  // namespace
}  // namespace tabulex::testing
