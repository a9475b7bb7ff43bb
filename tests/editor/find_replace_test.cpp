#include "editor/find_replace.h"

#include <gtest/gtest.h>

#include "engine/gbk_text.h"
#include "support/notifying_buffer.h"

namespace tabulex::testing {
namespace {

constexpr bool kExact = true;
constexpr bool kIgnoreCase = false;

FindState Searching(std::string_view utf8, bool caseOption = kExact,
                    std::string_view replacement = "") {
  return FindState{Utf8ToGbk(utf8), caseOption, Utf8ToGbk(replacement)};
}

class FindReplaceTest : public ::testing::Test {
 protected:
  // UTF-8 text; "▮" marks the caret, "«" and "»" a selection. Counts changes from here.
  void Load(std::string_view utf8) {
    std::string text(utf8);
    std::size_t start = text.find(kCaretMark);
    std::size_t end = start;
    if (start != std::string::npos) {
      text.erase(start, kCaretMark.size());
    } else {
      start = text.find(kSelectionStart);
      text.erase(start, kSelectionStart.size());
      end = text.find(kSelectionEnd);
      text.erase(end, kSelectionEnd.size());
    }
    const std::size_t gbkStart = Utf8ToGbk(text.substr(0, start)).size();
    buffer.Load(Utf8ToGbk(text), gbkStart, Utf8ToGbk(text.substr(0, end)).size() - gbkStart);
    buffer.changes = 0;
  }

  // The text in UTF-8 with the caret or the selection marked as Load reads it.
  std::string Shown() const {
    const std::string text = buffer.Text();
    const std::size_t start = buffer.Caret();
    const std::size_t end = start + buffer.SelectionLength();
    const std::string before = GbkToUtf8(text.substr(0, start));
    const std::string after = GbkToUtf8(text.substr(end));
    if (start == end) return before + std::string(kCaretMark) + after;
    return before + std::string(kSelectionStart) + GbkToUtf8(text.substr(start, end - start)) +
           std::string(kSelectionEnd) + after;
  }

  NotifyingBuffer buffer;
};

struct FindCase {
  const char* start;
  const char* search;
  bool caseOption;
  FindDirection direction;
  const char* shown;
};

constexpr FindDirection kNext = FindDirection::Forward;
constexpr FindDirection kPrevious = FindDirection::Backward;

constexpr FindCase kFindCases[] = {
    // Forward starts right after the selection and wraps to the first occurrence.
    {"▮x1x2x", "x", kExact, kNext, "«x»1x2x"},
    {"«x»1x2x", "x", kExact, kNext, "x1«x»2x"},
    {"x1x2«x»", "x", kExact, kNext, "«x»1x2x"},
    {"a▮aa", "aa", kExact, kNext, "a«aa»"},
    {"«aa»a", "aa", kExact, kNext, "«aa»a"},
    // Backward takes the last occurrence that ends at or before the selection start.
    {"x1x2«x»", "x", kExact, kPrevious, "x1«x»2x"},
    {"x1«x»2x", "x", kExact, kPrevious, "«x»1x2x"},
    {"aaa▮", "aa", kExact, kPrevious, "a«aa»"},
    {"aa▮a", "aa", kExact, kPrevious, "«aa»a"},
    {"ab«ab»", "ab", kExact, kPrevious, "«ab»ab"},
    // Nothing before the selection: the first occurrence of the text.
    {"a▮bxbx", "x", kExact, kPrevious, "ab«x»bx"},
    {"«x»1x", "x", kExact, kPrevious, "«x»1x"},
    // Case option set: exact; cleared: ASCII letters without case.
    {"▮aBc ABC", "ABC", kExact, kNext, "aBc «ABC»"},
    {"▮aBc ABC", "ABC", kIgnoreCase, kNext, "«aBc» ABC"},
    {"aBc «ABC»", "abc", kIgnoreCase, kPrevious, "«aBc» ABC"},
    {"▮价格=X", "格=x", kIgnoreCase, kNext, "价«格=X»"},
    // Matches start only at character boundaries, also where a byte of a two-byte character
    // equals the search text: 丂 is 81 40 ("@"), 啊啊 is B0 A1 B0 A1 and “ is A1 B0.
    {"▮丂@", "@", kExact, kNext, "丂«@»"},
    {"丂«@»", "@", kExact, kNext, "丂«@»"},
    {"丂@▮", "@", kExact, kPrevious, "丂«@»"},
    {"▮2π+π", "π", kExact, kNext, "2«π»+π"},
    {"2«π»+π", "π", kExact, kNext, "2π+«π»"},
    // Ignoring case never makes two characters equal: 丄 is 81 41, 乤 is 81 61.
    {"▮乤丄", "丄", kIgnoreCase, kNext, "乤«丄»"},
    // Nothing found: the caret goes to the start of the text.
    {"ab«c»d", "x", kExact, kNext, "▮abcd"},
    {"ab«c»d", "x", kExact, kPrevious, "▮abcd"},
    {"啊啊▮", "“", kExact, kNext, "▮啊啊"},
    {"▮乤", "丄", kIgnoreCase, kNext, "▮乤"},
    {"▮abc", "ABC", kExact, kNext, "▮abc"},
    {"", "x", kExact, kNext, "▮"},
    // An empty search text does nothing at all.
    {"ab▮c", "", kExact, kNext, "ab▮c"},
};

TEST_F(FindReplaceTest, FindSelectsTheOccurrenceAtTheRightPlace) {
  for (const FindCase& row : kFindCases) {
    SCOPED_TRACE(::testing::Message() << row.start << " search " << row.search
                                      << (row.direction == kNext ? " next" : " previous")
                                      << (row.caseOption ? " exact" : " ignoring case"));
    Load(std::string(row.start).empty() ? "▮" : row.start);
    const std::string text = buffer.Text();
    Find(buffer, Searching(row.search, row.caseOption), row.direction, FindAction::Select);
    EXPECT_EQ(Shown(), row.shown);
    EXPECT_EQ(buffer.Text(), text);
    EXPECT_EQ(buffer.changes, 0);
  }
}

TEST_F(FindReplaceTest, FindNextCyclesThroughAllOccurrences) {
  Load("▮1+x=2\r\nx*价x");
  const FindState state = Searching("x");
  const char* const expected[] = {"1+«x»=2\r\nx*价x", "1+x=2\r\n«x»*价x", "1+x=2\r\nx*价«x»",
                                  "1+«x»=2\r\nx*价x"};
  for (const char* shown : expected) {
    EXPECT_TRUE(Find(buffer, state, kNext, FindAction::Select));
    EXPECT_EQ(Shown(), shown);
  }
}

TEST_F(FindReplaceTest, PiIsFoundAsATwoByteCharacter) {
  Load("▮2π+π");
  const FindState state = Searching("π");
  ASSERT_TRUE(Find(buffer, state, kNext, FindAction::Select));
  EXPECT_EQ(buffer.Caret(), 1u);
  EXPECT_EQ(buffer.SelectionLength(), 2u);
  ASSERT_TRUE(Find(buffer, state, kNext, FindAction::Select));
  EXPECT_EQ(buffer.Caret(), 4u);
  EXPECT_EQ(buffer.SelectionLength(), 2u);
}

TEST_F(FindReplaceTest, ReplaceMovesPastTheInsertedText) {
  // The replacement holds the search text: each press still moves on.
  Load("▮x+x");
  const FindState state = Searching("x", kExact, "xx");
  Find(buffer, state, kNext, FindAction::Replace);
  EXPECT_EQ(Shown(), "xx▮+x");
  Find(buffer, state, kNext, FindAction::Replace);
  EXPECT_EQ(Shown(), "xx+xx▮");

  // An occurrence that is already selected is not the next one.
  Load("«π»+π");
  Find(buffer, Searching("π", kExact, "pi"), kNext, FindAction::Replace);
  EXPECT_EQ(Shown(), "π+pi▮");

  Load("1+2▮");
  Find(buffer, Searching("x", kExact, "y"), kNext, FindAction::Replace);
  EXPECT_EQ(Shown(), "▮1+2");
  EXPECT_EQ(buffer.changes, 0);
}

struct ReplaceAllCase {
  const char* text;
  const char* search;
  bool caseOption;
  const char* replacement;
  const char* result;
  std::size_t count;
};

constexpr ReplaceAllCase kReplaceAllCases[] = {
    // Letter case always counts, whatever the check box says.
    {"ABC abc Abc ABC", "ABC", kIgnoreCase, "x", "x abc Abc x", 2},
    {"ABC abc Abc ABC", "ABC", kExact, "x", "x abc Abc x", 2},
    // Left to right without overlap.
    {"aaa", "aa", kExact, "b", "ba", 1},
    {"aaaa", "aa", kExact, "a", "aa", 2},
    {"x+x", "x", kExact, "xx", "xx+xx", 2},
    // An empty replacement deletes.
    {"1,000,000", ",", kExact, "", "1000000", 2},
    {"2π+π", "π", kExact, "pi", "2pi+pi", 2},
    {"丂@", "@", kExact, "#", "丂#", 1},
    {"啊啊“", "“", kExact, "", "啊啊", 1},
};

TEST_F(FindReplaceTest, ReplaceAllSetsTheTextOnce) {
  for (const ReplaceAllCase& row : kReplaceAllCases) {
    SCOPED_TRACE(::testing::Message() << row.text << " search " << row.search);
    Load(std::string(row.text) + "▮");
    const std::size_t count =
        ReplaceAll(buffer, Searching(row.search, row.caseOption, row.replacement));
    EXPECT_EQ(count, row.count);
    EXPECT_EQ(Shown(), "▮" + std::string(row.result));
    EXPECT_EQ(buffer.changes, 1);
  }
}

TEST_F(FindReplaceTest, ReplaceAllWithoutAnOccurrenceLeavesTheTextAlone) {
  const FindState states[] = {Searching("ABC", kIgnoreCase, "x"), Searching("“", kExact, "x"),
                              Searching("", kExact, "x")};
  for (const FindState& state : states) {
    SCOPED_TRACE(GbkToUtf8(state.searchText));
    Load("abc啊«啊»");
    EXPECT_EQ(ReplaceAll(buffer, state), 0u);
    EXPECT_EQ(Shown(), "abc啊«啊»");
    EXPECT_EQ(buffer.changes, 0);
  }
}

}  // namespace
}  // namespace tabulex::testing
