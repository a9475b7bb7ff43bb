// EditorKeyHandler, driven as keystrokes.
#include "editor/editor_key_handler.h"

#include <gtest/gtest.h>

#include "support/notifying_buffer.h"

namespace tabulex::testing {
namespace {

enum class EnterKey { Calculates, BreaksLine };

struct EnterCase {
  EnterKey enter;  // what plain Enter does ("回车换行" false: it calculates)
  int modifiers;
  const char* shown;
};

constexpr EnterCase kEnterCases[] = {
    {EnterKey::Calculates, 0, "15+3=18▮"},
    {EnterKey::Calculates, kCtrl, "15+3\r\n▮"},
    {EnterKey::Calculates, kShift, "15+3=18▮"},
    {EnterKey::Calculates, kCtrl | kShift, "15+3=18▮"},
    {EnterKey::Calculates, kAlt, "15+3=18▮"},
    {EnterKey::BreaksLine, 0, "15+3\r\n▮"},
    {EnterKey::BreaksLine, kCtrl, "15+3=18▮"},
    {EnterKey::BreaksLine, kShift, "15+3\r\n▮"},
    {EnterKey::BreaksLine, kCtrl | kAlt, "15+3\r\n▮"},
};

TEST(EditorKeyHandlerTest, EnterCalculatesOrBreaksTheLine) {
  for (const EnterCase& row : kEnterCases) {
    SCOPED_TRACE(::testing::Message()
                 << "modifiers " << row.modifiers << ", Enter "
                 << (row.enter == EnterKey::Calculates ? "calculates" : "breaks lines"));
    EditorHarness editor;
    editor.settings.enterInsertsNewLine = row.enter == EnterKey::BreaksLine;
    editor.Load("15+3");
    EXPECT_EQ(editor.Key(vk::kReturn, row.modifiers), KeyDisposition::Discard);
    EXPECT_EQ(editor.Shown(), row.shown);
  }
}

TEST(EditorKeyHandlerTest, LineBreakReplacesTheSelection) {
  EditorHarness editor;
  editor.Load("1«23»4");
  editor.Key(vk::kReturn, kCtrl);
  EXPECT_EQ(editor.Shown(), "1\r\n▮4");
}

TEST(EditorKeyHandlerTest, FailedCalculationConsumesEnter) {
  EditorHarness editor;
  editor.Load("1+");
  EXPECT_EQ(editor.Key(vk::kReturn), KeyDisposition::Discard);
  EXPECT_EQ(editor.Shown(), "1+▮");
}

TEST(EditorKeyHandlerTest, CalculationAppliesTheNewLineOptions) {
  EditorHarness editor;
  editor.settings.newLinePasteResult = true;
  editor.Load("2*3");
  editor.Key(vk::kReturn);
  EXPECT_EQ(editor.Shown(), "2*3=6\r\n6▮");
}

struct SpaceCase {
  const char* start;
  int key;
  int modifiers;
  const char* shown;
};

// With space-separated expressions.
constexpr SpaceCase kSpaceCases[] = {
    {"1+2", vk::kSpace, 0, "1+2  ▮"},
    {"1+2", vk::kSpace, kShift, "1+2  ▮"},
    {"1«+»2", vk::kSpace, 0, "1  ▮2"},
    {"1+2  ", vk::kBackspace, 0, "1+2▮"},
    {"1+2   ", vk::kBackspace, 0, "1+2 ▮"},
    // A single space is the editor's to delete.
    {"1+2 ", vk::kBackspace, 0, "1+2▮"},
    {"1+2  ▮3", vk::kBackspace, 0, "1+2▮3"},
    {" ", vk::kBackspace, 0, "▮"},
};

TEST(EditorKeyHandlerTest, SpaceSeparatedSpaceAndBackspace) {
  for (const SpaceCase& row : kSpaceCases) {
    SCOPED_TRACE(::testing::Message() << row.start << " key " << row.key);
    EditorHarness editor;
    editor.settings.spaceSeparates = true;
    editor.Load(row.start);
    editor.Key(row.key, row.modifiers, row.key == vk::kSpace ? " " : "");
    EXPECT_EQ(editor.Shown(), row.shown);
  }
}

TEST(EditorKeyHandlerTest, SpaceAndBackspaceAreOrdinaryOtherwise) {
  EditorHarness editor;
  editor.Load("1+2");
  EXPECT_EQ(editor.Key(vk::kSpace, 0, " "), KeyDisposition::Proceed);
  EXPECT_EQ(editor.Shown(), "1+2 ▮");
  editor.Load("1+2  ");
  EXPECT_EQ(editor.Key(vk::kBackspace), KeyDisposition::Proceed);
  EXPECT_EQ(editor.Shown(), "1+2 ▮");
}

TEST(EditorKeyHandlerTest, GraveAndProcessKeyRecalculateTheLine) {
  for (const int key : {vk::kGrave, vk::kProcessKey}) {
    SCOPED_TRACE(key);
    EditorHarness editor;
    editor.Load("x\r\n15+4=18+5=23\r\ny");
    editor.buffer.SetCaret(5);
    EXPECT_EQ(editor.Key(key), KeyDisposition::Discard);
    EXPECT_EQ(editor.Shown(), "x\r\n15+4=19+5=24▮\r\ny");
  }
}

TEST(EditorKeyHandlerTest, FullScreenKey) {
  constexpr int kF11 = 122;
  EditorHarness editor;
  editor.settings.fullScreenKeyEnabled = true;
  editor.settings.fullScreenKeyModifier = kShift;
  editor.settings.fullScreenKeyCode = kF11;
  editor.Load("1");

  EXPECT_EQ(editor.Key(kF11, kShift), KeyDisposition::Proceed);
  EXPECT_EQ(editor.window.toggles, 1);
  editor.Key(kF11, 0);
  editor.Key(kF11, kShift | kCtrl);
  EXPECT_EQ(editor.window.toggles, 1);

  editor.settings.fullScreenKeyEnabled = false;
  editor.Key(kF11, kShift);
  EXPECT_EQ(editor.window.toggles, 1);
}

TEST(EditorKeyHandlerTest, CtrlDClearsAllOnlyInFullScreen) {
  EditorHarness editor;
  editor.Load("1+2=3");
  EXPECT_EQ(editor.Key(vk::kD, kCtrl), KeyDisposition::Proceed);
  EXPECT_EQ(editor.Shown(), "1+2=3▮");

  editor.window.fullScreen = true;
  editor.Key(vk::kD, kCtrl | kShift, "");
  EXPECT_EQ(editor.Shown(), "1+2=3▮");
  EXPECT_EQ(editor.window.clearAlls, 0);
  // The window's own clear-all, which also leaves the document unmodified.
  EXPECT_EQ(editor.Key(vk::kD, kCtrl), KeyDisposition::Discard);
  EXPECT_EQ(editor.window.clearAlls, 1);
}

TEST(EditorKeyHandlerTest, TabIsConsumed) {
  EditorHarness editor;
  editor.Load("1");
  EXPECT_EQ(editor.keys.OnKeyDown(vk::kTab, 0), KeyDisposition::Discard);
  EXPECT_EQ(editor.Shown(), "1▮");
}

}  // namespace
}  // namespace tabulex::testing
