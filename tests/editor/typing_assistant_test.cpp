#include "editor/typing_assistant.h"

#include <gtest/gtest.h>

#include "support/notifying_buffer.h"

namespace tabulex::testing {
namespace {

enum class AutoReplace { Off, On };
enum class Laptop { Off, On };

struct TypedCase {
  const char* typed;
  AutoReplace autoReplace;
  Laptop laptop;
  const char* shown;
};

constexpr TypedCase kTypedCases[] = {
    // Auto-replace pairs, with "*" and "/" typed as "×" and "÷" by the filter.
    {"2**3", AutoReplace::On, Laptop::Off, "2^3▮"},
    {"2**3", AutoReplace::Off, Laptop::Off, "2××3▮"},
    {"2//9", AutoReplace::On, Laptop::Off, "2√9▮"},
    {"2//9", AutoReplace::Off, Laptop::Off, "2÷÷9▮"},
    {"1++2", AutoReplace::On, Laptop::Off, "1∟2▮"},
    {"1++2", AutoReplace::Off, Laptop::Off, "1++2▮"},
    {"2……3", AutoReplace::On, Laptop::Off, "2^3▮"},
    {"./5.*", AutoReplace::On, Laptop::Off, "(5)▮"},
    {"3.*", AutoReplace::Off, Laptop::Off, "3.×▮"},
    {"2***", AutoReplace::On, Laptop::Off, "2^×▮"},
    // Always active.
    {"pi", AutoReplace::Off, Laptop::Off, "π▮"},
    {"2PI", AutoReplace::Off, Laptop::Off, "2π▮"},
    {"Pi", AutoReplace::On, Laptop::Off, "π▮"},
    {"pI", AutoReplace::Off, Laptop::Off, "π▮"},
    {"..", AutoReplace::Off, Laptop::Off, "(▮)"},
    {"sin..", AutoReplace::On, Laptop::Off, "sin(▮)"},
    {"'''", AutoReplace::Off, Laptop::Off, "°▮"},
    {"30‘’‘", AutoReplace::Off, Laptop::Off, "30°▮"},
    {"''", AutoReplace::Off, Laptop::Off, "''▮"},
    {"tjfx", AutoReplace::Off, Laptop::Off, "tjfx(▮"},
    {"Tjfx", AutoReplace::Off, Laptop::Off, "Tjfx▮"},
    {"5！", AutoReplace::Off, Laptop::Off, "5!▮"},
    {"|9", AutoReplace::Off, Laptop::Off, "√9▮"},
    {"50%%", AutoReplace::Off, Laptop::Off, "50‰▮"},
    {"50%", AutoReplace::Off, Laptop::Off, "50%▮"},
    // The second byte of a Chinese character is never part of a pattern: 皃 ends in "p",
    // 亅 in "|".
    {"皃i", AutoReplace::Off, Laptop::Off, "皃i▮"},
    {"亅", AutoReplace::Off, Laptop::Off, "亅▮"},
    {"价格亅", AutoReplace::Off, Laptop::Off, "价格亅▮"},
    // Laptop mode.
    {"8【2", AutoReplace::Off, Laptop::On, "8÷2▮"},
    {"8】2", AutoReplace::Off, Laptop::On, "8×2▮"},
    {"8】】2", AutoReplace::On, Laptop::On, "8^2▮"},
    {"8【2", AutoReplace::Off, Laptop::Off, "8【2▮"},
};

TEST(TypingAssistantTest, TypedSequences) {
  for (const TypedCase& row : kTypedCases) {
    SCOPED_TRACE(row.typed);
    EditorHarness editor;
    editor.settings.autoReplace = row.autoReplace == AutoReplace::On;
    editor.settings.laptopMode = row.laptop == Laptop::On;
    editor.Start("");
    editor.Type(row.typed);
    EXPECT_EQ(editor.Shown(), row.shown);
  }
}

TEST(TypingAssistantTest, RulesLookOnlyBeforeTheCaret) {
  EditorHarness editor;
  editor.Start("p▮x");
  editor.Type("i");
  EXPECT_EQ(editor.Shown(), "π▮x");
}

TEST(TypingAssistantTest, ShowsTheInputHintForTheCalculateKey) {
  EditorHarness editor;
  editor.Start("");
  editor.Type("1");
  EXPECT_EQ(EditorHarness::LastOf(editor.messages), " [提示]_ 表达式输入完毕按“回车键”计算！");
  editor.settings.enterInsertsNewLine = true;
  editor.Type("2");
  EXPECT_EQ(EditorHarness::LastOf(editor.messages), " [提示]_ 表达式输入完毕按“ctrl+回车键”计算！");
}

TEST(TypingAssistantTest, ShowsTheCaretWhereTheReplacementLeftIt) {
  EditorHarness editor;
  editor.Start("▮\r\n5");
  editor.Type("..");
  ASSERT_EQ(editor.Shown(), "(▮)\r\n5");
  EXPECT_EQ(EditorHarness::LastOf(editor.caretPosition), " 行: 1,列: 2,");
}

// Each change is recorded once, replacements included; the state a replacement removed at
// once is not.
TEST(TypingAssistantTest, RecordsOneSnapshotPerState) {
  EditorHarness editor;
  editor.settings.autoReplace = true;
  editor.Start("");
  editor.Type("1**");
  ASSERT_EQ(editor.Shown(), "1^▮");
  EXPECT_EQ(editor.undo.Current(), 4);  // "", "1", "1×", "1^"

  editor.undo.Undo(editor.buffer);
  EXPECT_EQ(editor.Shown(), "1×▮");
  editor.undo.Undo(editor.buffer);
  EXPECT_EQ(editor.Shown(), "1▮");
}

TEST(TypingAssistantTest, RecordsTheCaretBetweenTheBrackets) {
  EditorHarness editor;
  editor.Start("");
  editor.Type("..5");
  ASSERT_EQ(editor.Shown(), "(5▮)");
  EXPECT_EQ(editor.undo.Current(), 4);  // "", ".", "()", "(5)"

  editor.undo.Undo(editor.buffer);
  EXPECT_EQ(editor.Shown(), "(▮)");
  editor.undo.Undo(editor.buffer);
  EXPECT_EQ(editor.Shown(), ".▮");
}

// Laptop mode replaces after the snapshot: the typed bracket is a state of its own.
TEST(TypingAssistantTest, LaptopReplacementFollowsTheSnapshot) {
  EditorHarness editor;
  editor.settings.laptopMode = true;
  editor.Start("");
  editor.Type("【");
  ASSERT_EQ(editor.Shown(), "÷▮");
  EXPECT_EQ(editor.undo.Current(), 3);  // "", "【", "÷"

  // Undo passes the typed bracket instead of replacing it again; redo comes back to "÷".
  editor.undo.Undo(editor.buffer);
  EXPECT_EQ(editor.Shown(), "【▮");
  editor.undo.Undo(editor.buffer);
  EXPECT_EQ(editor.Shown(), "▮");
  editor.undo.Redo(editor.buffer);
  editor.undo.Redo(editor.buffer);
  EXPECT_EQ(editor.Shown(), "÷▮");
}

// A restore by undo or redo is a change too; it must not become a new snapshot.
TEST(TypingAssistantTest, RestoresAreNotRecorded) {
  EditorHarness editor;
  editor.Start("");
  editor.Type("12");
  editor.undo.Undo(editor.buffer);
  ASSERT_EQ(editor.Shown(), "1▮");
  EXPECT_EQ(editor.undo.Current(), 2);
  EXPECT_EQ(editor.undo.Top(), 3);

  editor.undo.Redo(editor.buffer);
  EXPECT_EQ(editor.Shown(), "12▮");
  editor.Type("3");
  EXPECT_EQ(editor.undo.Current(), 4);
}

}  // namespace
}  // namespace tabulex::testing
