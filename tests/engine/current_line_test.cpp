#include "engine/current_line.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/text_buffer.h"

namespace tabulex {
namespace {

// The line rule written out literally: split the text at every CR LF (each piece before a
// CR LF counts, the rest only when not empty); the caret's line is the one whose number is
// the count of pieces of the first caret + 1 bytes.
std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t crlf; (crlf = text.find("\r\n", start)) != std::string::npos; start = crlf + 2) {
    pieces.push_back(text.substr(start, crlf - start));
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}

CurrentLine Reference(const std::string& text, std::size_t caret) {
  CurrentLine line;
  const std::size_t lf = caret == 0 ? std::string::npos : text.rfind('\n', caret - 1);
  line.lineStart = lf == std::string::npos ? 0 : lf + 1;
  const std::size_t n = Pieces(text.substr(0, caret + 1)).size();
  if (n > 0) line.text = Pieces(text)[n - 1];
  return line;
}

TEST(FindCurrentLine, AgreesWithTheLiteralRuleOnRandomTexts) {
  std::mt19937 random(20261209);
  const std::string alphabet[] = {"a", "1", " ", "=", "\r", "\n", "\r\n", "\xB0\xA1"};
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 12);
    for (int k = 0; k < length; ++k) text += alphabet[random() % std::size(alphabet)];
    const std::size_t caret = random() % (text.size() + 1);
    const TextBuffer buffer(text);
    const CurrentLine expected = Reference(text, caret);
    const CurrentLine actual = FindCurrentLine(buffer, caret);
    ASSERT_EQ(actual.text, expected.text) << testing::PrintToString(text) << " caret " << caret;
    ASSERT_EQ(actual.lineStart, expected.lineStart) << testing::PrintToString(text);
    ASSERT_EQ(text.substr(actual.begin, actual.text.size()), actual.text);
  }
}

TEST(FindCurrentLine, CaretAtTheEndOfATextEndingWithALineBreakTakesTheLineBefore) {
  const TextBuffer buffer("1+2\r\n");
  const CurrentLine line = FindCurrentLine(buffer, 5);
  EXPECT_EQ(line.text, "1+2");
  EXPECT_EQ(line.begin, 0u);
  EXPECT_EQ(line.lineStart, 5u);
}

}  // namespace
}  // namespace tabulex
