#include "engine/gbk_text.h"

#include <gtest/gtest.h>

namespace tabulex {
namespace {

TEST(GbkText, ConvertsBothWaysAndReplacesWhatGbkCannotHoldByQuestionMarks) {
  const struct {
    const char* utf8;
    const char* gbk;
    const char* back;  // the UTF-8 that comes back
  } rows[] = {
      {"15+3", "15+3", "15+3"},
      {"价格", "\xBC\xDB\xB8\xF1", "价格"},
      {"∟×÷√‰π", "\xA8\x4E\xA1\xC1\xA1\xC2\xA1\xCC\xA1\xEB\xA6\xD0", "∟×÷√‰π"},
      {"1😀2", "1?2", "1?2"},  // outside GBK
      {"€", "?", "?"},        // GBK writes it as the single byte 0x80
      {"a\xFF"
       "b",
       "a?b", "a?b"},            // not UTF-8
      {"\xE4\xBB", "??", "??"},  // a cut sequence
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.utf8);
    EXPECT_EQ(Utf8ToGbk(row.utf8), row.gbk);
    EXPECT_EQ(GbkToUtf8(row.gbk), row.back);
  }
}

TEST(GbkText, InvalidGbkBytesBecomeQuestionMarksWithoutSwallowingLineBreaks) {
  EXPECT_EQ(GbkToUtf8("\x81\r\n1"), "?\r\n1");
  EXPECT_EQ(GbkToUtf8("\x80x"), "?x");
  EXPECT_EQ(GbkToUtf8("x\xB0"), "x?");
}

TEST(GbkText, CharStartNeverSplitsATwoByteCharacter) {
  // "a价b" on the second line: the trail byte of a character whose trail looks like ASCII.
  const std::string text =
      "x\r\na\xBC\xDB"
      "b\x81\x40";
  EXPECT_EQ(GbkCharStart(text, 4), 4u);
  EXPECT_EQ(GbkCharStart(text, 5), 4u);
  EXPECT_EQ(GbkCharStart(text, 6), 6u);
  EXPECT_EQ(GbkCharStart(text, 8), 7u);  // 0x40 is "@" alone, but the trail byte here
  EXPECT_EQ(GbkCharStart(text, 99), text.size());
}

}  // namespace
}  // namespace tabulex
