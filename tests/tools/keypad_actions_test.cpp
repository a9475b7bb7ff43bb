#include "tools/keypad_actions.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "editor/caret_position_display.h"
#include "editor/content_backup.h"
#include "support/notifying_buffer.h"

namespace tabulex::testing {
namespace {

using K = KeypadKey;

// The keypad over an editor that runs the typing assistant and the undo history as the
// widget does.
class KeypadActionsTest : public ::testing::Test {
 protected:
  KeypadActions& Keypad(KeypadMode mode = KeypadMode::Scientific) {
    if (!m_keypad) {
      m_keypad.emplace(editor.session, editor.commands, mode, [this] {
        ++clearAlls;
        editor.commands.ClearAll();
      });
    }
    return *m_keypad;
  }

  // Starts from text, presses the keys in order and returns the text with its caret.
  std::string After(std::string_view start, std::initializer_list<KeypadKey> keys) {
    editor.Start(start);
    for (const KeypadKey key : keys) Keypad().Press(key);
    return editor.Shown();
  }

  EditorHarness editor;
  int clearAlls{0};

 private:
  std::optional<KeypadActions> m_keypad;
};

TEST_F(KeypadActionsTest, KeysInsertTheirTextsReplacingTheSelection) {
  struct Case {
    KeypadKey key;
    const char* shown;
  };
  constexpr Case kCases[] = {
      {K::Seven, "1+7▮2"},
      {K::Point, "1+.▮2"},
      {K::Plus, "1++▮2"},
      {K::Minus, "1+-▮2"},
      {K::Multiply, "1+×▮2"},
      {K::Divide, "1+÷▮2"},
      {K::Factorial, "1+!▮2"},
      {K::Int, "1+int▮2"},
      {K::Sin, "1+sin▮2"},
      {K::Tanh, "1+tanh▮2"},
      {K::Log, "1+log▮2"},
      {K::E, "1+e▮2"},
      {K::Pi, "1+π▮2"},
      {K::Square, "1+^2▮2"},
      {K::Cube, "1+^3▮2"},
      {K::Power, "1+^▮2"},
      {K::FractionSeparator, "1+∟▮2"},
      {K::Brackets, "1+(▮)2"},
      {K::NewLine, "1+\r\n▮2"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(KeypadKeyDefinitionOf(c.key).caption);
    editor.Load("1+«x»2");
    Keypad().Press(c.key);
    EXPECT_EQ(editor.Shown(), c.shown);
  }
}

TEST_F(KeypadActionsTest, SecondFunctionsSwitchCaptionsAndTexts) {
  struct Case {
    KeypadKey key;
    const char* caption;
    const char* shown;
  };
  constexpr Case kCases[] = {
      {K::Square, "√", "√▮"},
      {K::Cube, "3√", "3√▮"},
      {K::Power, "1/X", "1/(▮)"},
      {K::Sin, "asin", "asin▮"},
      {K::Cos, "acos", "acos▮"},
      {K::Tan, "atan", "atan▮"},
      {K::Sinh, "asinh", "asinh▮"},
      {K::Cosh, "acosh", "acosh▮"},
      {K::Tanh, "atanh", "atanh▮"},
      {K::Log, "lg", "lg▮"},
      {K::E, "ln", "ln▮"},
      // The caption is the full-width comma, the text the ASCII one.
      {K::FractionSeparator, "，", ",▮"},
      // Keys without a second function stay as they are.
      {K::Seven, "7", "7▮"},
  };
  KeypadActions& keypad = Keypad();
  keypad.Press(K::Second);
  ASSERT_TRUE(keypad.SecondFunctions());
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.caption);
    editor.Load("");
    EXPECT_EQ(keypad.Caption(c.key), c.caption);
    keypad.Press(c.key);
    EXPECT_EQ(editor.Shown(), c.shown);
  }
  EXPECT_EQ(keypad.Caption(K::Pi), "Rand");
  EXPECT_EQ(keypad.Caption(K::Second), "2nd");

  keypad.Press(K::Second);
  EXPECT_FALSE(keypad.SecondFunctions());
  EXPECT_EQ(keypad.Caption(K::Power), "X^y");
  EXPECT_EQ(keypad.Caption(K::FractionSeparator), "∟");
  editor.Load("");
  keypad.Press(K::Power);
  EXPECT_EQ(editor.Shown(), "^▮");
}

TEST_F(KeypadActionsTest, RandInsertsANumberDrawnFromTheTickCount) {
  editor.Start("x▮");
  KeypadActions& keypad = Keypad();
  keypad.Press(K::Second);
  keypad.Press(K::Pi);
  // FakeTicks reads 1000 first.
  EXPECT_EQ(editor.Shown(), "x" + std::to_string(KeypadActions::RandomNumber(1000)) + "▮");

  std::set<int> drawn;
  for (std::uint64_t seed = 0; seed < 5000; ++seed) {
    const int number = KeypadActions::RandomNumber(seed);
    ASSERT_GE(number, 1);
    ASSERT_LE(number, 1000);
    drawn.insert(number);
  }
  EXPECT_EQ(KeypadActions::RandomNumber(123456789), KeypadActions::RandomNumber(123456789));
  EXPECT_GT(drawn.size(), 900u);  // spread over the range, with both ends reachable
  EXPECT_TRUE(drawn.contains(1) && drawn.contains(1000));
}

TEST_F(KeypadActionsTest, CharacterStepsKeepPairsWhole) {
  struct Case {
    const char* start;
    KeypadKey key;
    const char* shown;
  };
  constexpr Case kCases[] = {
      {"1∟▮2", K::Left, "1▮∟2"},
      {"1▮∟2", K::Right, "1∟▮2"},
      {"1\r\n▮2", K::Left, "1▮\r\n2"},
      {"1▮\r\n2", K::Right, "1\r\n▮2"},
      {"a▮b", K::Left, "▮ab"},
      {"a▮b", K::Right, "ab▮"},
      {"▮ab", K::Left, "▮ab"},
      {"ab▮", K::Right, "ab▮"},
      // "丂" is 0x81 0x40: its second byte looks like "@" and is no character of its own.
      {"丂▮", K::Left, "▮丂"},
      {"x丂丂▮", K::Left, "x丂▮丂"},
      {"a«bc»", K::Left, "▮abc"},
      {"a«bc»", K::Right, "ab▮c"},
      {"1∟▮2", K::Back, "1▮2"},
      {"1\r\n▮2", K::Back, "1▮2"},
      {"▮12", K::Back, "▮12"},
      {"x丂丂▮", K::Back, "x丂▮"},
      {"ab▮c", K::Back, "a▮c"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.start);
    EXPECT_EQ(After(c.start, {c.key}), c.shown);
  }
}

TEST_F(KeypadActionsTest, BackAfterAFractionSeparatorRemovesBothBytes) {
  editor.Start("3▮");
  Keypad().Press(K::FractionSeparator);
  EXPECT_EQ(editor.Shown(), "3∟▮");
  Keypad().Press(K::Back);
  EXPECT_EQ(editor.Shown(), "3▮");
  EXPECT_EQ(editor.buffer.Text(), "3");
}

// The whole text goes back without the character: the typing assistant, which would put
// "tjfx(" together again before a caret at the deletion, finds nothing to replace.
TEST_F(KeypadActionsTest, BackRemovesWhatTheTypingAssistantWouldAdd) {
  EXPECT_EQ(After("tjfx(▮", {K::Back}), "tjfx▮");
  EXPECT_EQ(After("ab\r\ntjfx(▮\r\ncd", {K::Back, K::Back}), "ab\r\ntjf▮\r\ncd");
  Keypad().Press(K::Undo);
  EXPECT_EQ(editor.buffer.Text(), Utf8ToGbk("ab\r\ntjfx\r\ncd"));
}

TEST_F(KeypadActionsTest, CaretPlacementsShowTheNewPosition) {
  for (const KeypadKey key : {K::Left, K::Right, K::Back, K::Brackets}) {
    SCOPED_TRACE(KeypadKeyDefinitionOf(key).caption);
    After("ab\r\nc▮de", {key});
    ASSERT_FALSE(editor.caretPosition.messages.empty());
    EXPECT_EQ(editor.caretPosition.messages.back(),
              CaretPositionText(*FindCaretPosition(editor.buffer)));
  }
}

TEST_F(KeypadActionsTest, EqualsCalculatesLikeTheCalculateKey) {
  for (const bool enterInsertsNewLine : {false, true}) {
    SCOPED_TRACE(enterInsertsNewLine);
    EditorHarness byKey;
    byKey.settings.enterInsertsNewLine = enterInsertsNewLine;
    byKey.Start("2+3▮");
    byKey.Key(vk::kReturn, enterInsertsNewLine ? kCtrl : 0);

    editor.settings.enterInsertsNewLine = enterInsertsNewLine;
    EXPECT_EQ(After("2+3▮", {K::Equals}), byKey.Shown());
    EXPECT_EQ(editor.Shown(), "2+3=5▮");
    EXPECT_EQ(editor.state.lastResult, "5");
    EXPECT_EQ(EditorHarness::LastOf(editor.messages), EditorHarness::LastOf(byKey.messages));
  }
}

TEST_F(KeypadActionsTest, PasteResultUndoAndClearAll) {
  editor.state.lastResult = "18";
  EXPECT_EQ(After("1+▮", {K::PasteResult}), "1+18▮");
  Keypad().Press(K::Seven);
  Keypad().Press(K::Undo);
  EXPECT_EQ(editor.Shown(), "1+18▮");
  Keypad().Press(K::Undo);
  EXPECT_EQ(editor.Shown(), "1+▮");

  Keypad().Press(K::ClearAll);
  EXPECT_EQ(clearAlls, 1);
  EXPECT_EQ(editor.buffer.Text(), BlankDocument());
}

TEST_F(KeypadActionsTest, LayoutToggleNamesTheOtherLayout) {
  KeypadActions& keypad = Keypad(KeypadMode::Compact);
  EXPECT_EQ(keypad.Caption(K::LayoutToggle), "科学");
  keypad.Press(K::LayoutToggle);
  EXPECT_EQ(keypad.Mode(), KeypadMode::Scientific);
  EXPECT_EQ(keypad.Caption(K::LayoutToggle), "简单");
  keypad.Press(K::Second);  // independent of the second functions
  EXPECT_EQ(keypad.Caption(K::LayoutToggle), "简单");
  keypad.Press(K::LayoutToggle);
  EXPECT_EQ(keypad.Mode(), KeypadMode::Compact);
}

TEST_F(KeypadActionsTest, FocusStaysOnTheKeypadOnlyAfterSinh) {
  KeypadActions& keypad = Keypad();
  editor.Start("");
  for (const KeypadKeyDefinition& definition : KeypadKeys()) {
    SCOPED_TRACE(definition.caption);
    EXPECT_EQ(keypad.Press(definition.key),
              definition.key == K::Sinh ? KeypadFocus::Keypad : KeypadFocus::Editor);
  }
  ASSERT_TRUE(keypad.SecondFunctions());                  // "2nd" was pressed once above
  EXPECT_EQ(keypad.Press(K::Sinh), KeypadFocus::Keypad);  // "asinh"
}

}  // namespace
}  // namespace tabulex::testing
