// EditorCharFilter, driven as keystrokes.
#include "editor/editor_char_filter.h"

#include <gtest/gtest.h>

#include "support/notifying_buffer.h"

namespace tabulex::testing {
namespace {

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

}  // namespace
}  // namespace tabulex::testing
