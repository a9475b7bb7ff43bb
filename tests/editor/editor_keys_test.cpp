// EditorCharFilter, EditorKeyHandler and EditorKeyUpHook, driven as keystrokes.
#include <gtest/gtest.h>

#include "editor/editor_char_filter.h"
#include "editor/editor_key_handler.h"
#include "editor/editor_key_up_hook.h"
#include "support/notifying_buffer.h"

namespace tabulex::testing {
namespace {

// --- EditorCharFilter ---

enum class AutoInsert { Off, On };

struct FilterCase {
  const char* start;
  AutoInsert autoInsert;
  const char* lastResult;
  const char* typed;
  const char* shown;
};

constexpr FilterCase kFilterCases[] = {
    {"", AutoInsert::Off, "", "2*3", "2×3▮"},
    {"", AutoInsert::Off, "", "8/2", "8÷2▮"},
    // The last result goes in front of an operator typed at the start of a line.
    {"1+2=18\r\n", AutoInsert::On, "18", "+5", "1+2=18\r\n18+5▮"},
    {"1+2=18\r\n", AutoInsert::On, "18", "-5", "1+2=18\r\n18-5▮"},
    {"1+2=18\r\n", AutoInsert::On, "18", "*5", "1+2=18\r\n18×5▮"},
    {"1+2=18\r\n", AutoInsert::On, "18", "/5", "1+2=18\r\n18÷5▮"},
    {"a\r\n▮\r\nb", AutoInsert::On, "18", "+", "a\r\n18+▮\r\nb"},
    // Not on the first line, not inside a line, not without the setting or a result.
    {"", AutoInsert::On, "18", "+5", "+5▮"},
    {"▮\r\n", AutoInsert::On, "18", "*5", "×5▮\r\n"},
    {"1\r\n2", AutoInsert::On, "18", "+5", "1\r\n2+5▮"},
    {"1\r\n", AutoInsert::Off, "18", "+5", "1\r\n+5▮"},
    {"1\r\n", AutoInsert::On, "", "+5", "1\r\n+5▮"},
    {"1\r\n", AutoInsert::On, "18", "5+", "1\r\n5+▮"},
    // The operator replaces a selection.
    {"2«+»3", AutoInsert::Off, "", "*", "2×▮3"},
};

TEST(EditorCharFilterTest, TypedCharacters) {
  for (const FilterCase& row : kFilterCases) {
    SCOPED_TRACE(std::string(row.start) + " | " + row.typed);
    EditorHarness editor;
    editor.settings.autoInsertLastResult = row.autoInsert == AutoInsert::On;
    editor.state.lastResult = Utf8ToGbk(row.lastResult);
    editor.Load(row.start);
    editor.Type(row.typed);
    EXPECT_EQ(editor.Shown(), row.shown);
  }
}

TEST(EditorCharFilterTest, LaptopModeTypesOperatorsForBrackets) {
  EditorHarness editor;
  editor.settings.laptopMode = true;
  editor.Load("");
  editor.Type("1=2]3[4");
  EXPECT_EQ(editor.Shown(), "1+2×3÷4▮");

  editor.settings.laptopMode = false;
  editor.Load("");
  editor.Type("1=2]3[4");
  EXPECT_EQ(editor.Shown(), "1=2]3[4▮");
}

TEST(EditorCharFilterTest, OtherCharactersPass) {
  EditorHarness editor;
  editor.settings.laptopMode = true;
  editor.settings.autoInsertLastResult = true;
  editor.state.lastResult = "18";
  editor.Load("1\r\n");
  for (const char32_t character : {U'a', U'7', U'(', U' ', U'×', U'中'}) {
    EXPECT_EQ(editor.charFilter.OnChar(character), KeyDisposition::Proceed);
  }
  EXPECT_EQ(editor.buffer.changes, 0);
}

// --- EditorKeyHandler ---

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

// --- EditorKeyUpHook ---

TEST(EditorKeyUpHookTest, TabReleaseConvertsTheResult) {
  EditorHarness editor;
  editor.Load("1+0.5=1.5");
  editor.Key(vk::kTab);
  EXPECT_EQ(GbkToUtf8(editor.buffer.Text()), "1+0.5=3∟2");
  editor.Key(vk::kTab);
  EXPECT_EQ(GbkToUtf8(editor.buffer.Text()), "1+0.5=1∟1∟2");
}

struct QuickInputCase {
  const char* typed;
  const char* shown;
};

constexpr QuickInputCase kQuickInputCases[] = {
    {"sin930", "sin(3)▮"}, {"41", "4!▮"}, {"50", "%)▮"}, {"26", "2^▮"}, {"2378", "2378▮"},
};

TEST(EditorKeyUpHookTest, QuickInputOnTheMainKeyboard) {
  for (const QuickInputCase& row : kQuickInputCases) {
    SCOPED_TRACE(row.typed);
    EditorHarness editor;
    editor.settings.quickInput = true;
    editor.Load("");
    editor.Type(row.typed);
    EXPECT_EQ(editor.Shown(), row.shown);
  }
}

TEST(EditorKeyUpHookTest, KeypadDigitsStayDigits) {
  EditorHarness editor;
  editor.settings.quickInput = true;
  editor.Load("");
  editor.Key(vk::kNumpad0 + 9, 0, "9");
  editor.Key(vk::kNumpad0 + 0, 0, "0");
  EXPECT_EQ(editor.Shown(), "90▮");
}

TEST(EditorKeyUpHookTest, QuickInputOffLeavesDigits) {
  EditorHarness editor;
  editor.Load("");
  editor.Type("90156");
  EXPECT_EQ(editor.Shown(), "90156▮");
}

// A release that did not type its digit (Ctrl+9, a key held by an input method) changes
// nothing.
TEST(EditorKeyUpHookTest, QuickInputNeedsTheTypedDigit) {
  EditorHarness editor;
  editor.settings.quickInput = true;
  editor.Load("3");
  editor.Key(vk::kDigit9, kCtrl);
  editor.Key(vk::kDigit0, 0);
  EXPECT_EQ(editor.Shown(), "3▮");
}

}  // namespace
}  // namespace tabulex::testing
