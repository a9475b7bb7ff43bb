#include "engine/text_buffer.h"

#include <gtest/gtest.h>

#include <random>

namespace tabulex {
namespace {

// A plain string with the same operations, for comparison.
struct Model {
  std::string text;
  std::size_t start{0};
  std::size_t length{0};
};

TEST(TextBuffer, RandomEditsAgreeWithAPlainString) {
  std::mt19937 random(7);
  const std::string pieces[] = {"", "1", "+2", "\r\n", "abc", "=3", "   ", "xyz\r\nq"};
  TextBuffer buffer;
  Model model;
  for (int step = 0; step < 20000; ++step) {
    const std::size_t size = model.text.size();
    if (random() % 3 == 0) {
      const std::size_t start = random() % (size + 2);
      const std::size_t length = random() % 5;
      buffer.Select(start, length);
      model.start = std::min(start, size);
      model.length = std::min(length, size - model.start);
    } else {
      const std::string& piece = pieces[random() % std::size(pieces)];
      buffer.ReplaceSelection(piece);
      model.text.replace(model.start, model.length, piece);
      model.start += piece.size();
      model.length = 0;
    }
    ASSERT_EQ(buffer.Length(), model.text.size());
    ASSERT_EQ(buffer.Caret(), model.start);
    ASSERT_EQ(buffer.SelectionLength(), model.length);
    if (step % 97 == 0) {
      ASSERT_EQ(buffer.Text(), model.text);
      const std::size_t from = random() % (model.text.size() + 1);
      ASSERT_EQ(buffer.Slice(from, 7), model.text.substr(from, 7));
      // The searches go over the gap, wherever it stands.
      for (const char byte : {'\n', '\r', 'q'}) {
        ASSERT_EQ(buffer.FindByte(byte, from),
                  std::min(model.text.find(byte, from), model.text.size()));
        const std::size_t last = from == 0 ? std::string::npos : model.text.rfind(byte, from - 1);
        ASSERT_EQ(buffer.FindLastByte(byte, from),
                  last == std::string::npos ? EditorBuffer::kNoByte : last);
      }
      for (std::size_t i = 0; i < model.text.size(); ++i)
        ASSERT_EQ(buffer.ByteAt(i), model.text[i]);
    }
  }
}

TEST(TextBuffer, SelectionBoundariesMoveOutOfTwoByteCharacters) {
  // "a价b" then a line whose first character has an ASCII-looking trail byte.
  TextBuffer buffer(
      "a\xBC\xDB"
      "b\r\n\x81\x40z");
  buffer.Select(2, 1);  // from inside 价 to just before b
  EXPECT_EQ(buffer.Caret(), 1u);
  EXPECT_EQ(buffer.SelectionLength(), 2u);
  buffer.Select(7, 0);  // inside the character at the start of the second line
  EXPECT_EQ(buffer.Caret(), 6u);
  buffer.Select(99, 5);
  EXPECT_EQ(buffer.Caret(), buffer.Length());
  EXPECT_EQ(buffer.SelectionLength(), 0u);
}

}  // namespace
}  // namespace tabulex
