#include "engine/line_cut.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/current_line.h"
#include "engine/expression_text.h"
#include "engine/text_buffer.h"

namespace tabulex {
namespace {

TEST(CutLine, SpaceSeparatedSegmentsAroundTheCaret) {
  const struct {
    const char* text;
    std::size_t caret;
    const char* lineText;
    std::size_t insertPosition;
    int separatorSpaces;
  } rows[] = {
      {"1+2   3+4", 9, "3+4", 9, 0},  {"1+2   3+4", 3, "1+2", 3, 0},
      {"1+2   3+4", 1, "1+2", 3, 0},  {"1+2 3+4", 3, "1+2", 3, 2},
      {"1+2  3+4", 2, "1+2", 3, 1},   {"1+2   3+4   5", 7, "3+4", 9, 0},
      {"x\r\n1+2 3", 6, "1+2", 6, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.text) + " caret " + std::to_string(row.caret));
    const TextBuffer buffer(row.text);
    const LineCut cut = CutLine(buffer, row.caret, SpaceMode::Separates);
    EXPECT_EQ(cut.lineText, row.lineText);
    EXPECT_EQ(cut.insertPosition, row.insertPosition);
    EXPECT_EQ(cut.separatorSpaces, row.separatorSpaces);
    EXPECT_EQ(std::string(row.text).substr(cut.removeStart, cut.removeLength), row.lineText);
  }
}

TEST(CutLine, TheSegmentAroundTheCaretAgreesWithTheWholeLineRule) {
  std::mt19937 random(99);
  // Lines end with CR LF in the editor model, so no lone LF; a lone CR is just a byte.
  const std::string alphabet[] = {"1", "+", " ", "=", "\r\n", "\r", "\xB0\xA1", "\xA1\xA1"};
  for (int round = 0; round < 50000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 14);
    for (int k = 0; k < length; ++k) text += alphabet[random() % std::size(alphabet)];
    const std::size_t caret = random() % (text.size() + 1);
    const TextBuffer buffer(text);
    for (SpaceMode mode : {SpaceMode::Separates, SpaceMode::Ignored}) {
      const LineCut fast = CutLine(buffer, caret, mode);
      const LineCut whole = CutWholeLine(buffer, caret, FindCurrentLine(buffer, caret), mode);
      const std::string where = testing::PrintToString(text) + " caret " + std::to_string(caret);
      ASSERT_EQ(fast.lineText, whole.lineText) << where;
      ASSERT_EQ(fast.removeStart, whole.removeStart) << where;
      ASSERT_EQ(fast.removeLength, whole.removeLength) << where;
      ASSERT_EQ(fast.separatorSpaces, whole.separatorSpaces) << where;
      // Where the result goes matters only when there is something to calculate.
      if (!RemoveSpaces(fast.lineText).empty()) {
        ASSERT_EQ(fast.insertPosition, whole.insertPosition) << where;
      }
    }
  }
}

}  // namespace
}  // namespace tabulex
