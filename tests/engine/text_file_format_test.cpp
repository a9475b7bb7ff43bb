#include "engine/text_file_format.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulex {
namespace {

// A file read and written back unchanged gives its own bytes, whatever its encoding and line
// ends; inside, the text is GBK with CR LF.
TEST(TextFileFormat, RoundTripsByteForByte) {
  const struct {
    const char* name;
    std::string bytes;
    TextFileFormat format;
    std::string gbk;
  } rows[] = {
      {"UTF-8 with LF",
       "价格=1+1\n2*3\n",
       {FileEncoding::Utf8, false, LineEnd::Lf},
       "\xBC\xDB\xB8\xF1=1+1\r\n2*3\r\n"},
      {"UTF-8 with a byte-order mark",
       "\xEF\xBB\xBF价格\n",
       {FileEncoding::Utf8, true, LineEnd::Lf},
       "\xBC\xDB\xB8\xF1\r\n"},
      {"GBK with CR LF",
       "\xBC\xDB\xB8\xF1\r\n1+1",
       {FileEncoding::Gbk, false, LineEnd::CrLf},
       "\xBC\xDB\xB8\xF1\r\n1+1"},
      {"CR alone", "1+1\r2+2\r", {FileEncoding::Utf8, false, LineEnd::Cr}, "1+1\r\n2+2\r\n"},
      {"no final line end", "1+1\n2+2", {FileEncoding::Utf8, false, LineEnd::Lf}, "1+1\r\n2+2"},
      {"UTF-8 without any line end", "1+1", {FileEncoding::Utf8, false, LineEnd::Lf}, "1+1"},
      {"GBK without any line end",
       "\xBC\xDB",
       {FileEncoding::Gbk, false, LineEnd::CrLf},
       "\xBC\xDB"},
      {"empty", "", {FileEncoding::Utf8, false, LineEnd::Lf}, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const DecodedText decoded = DecodeText(row.bytes);
    EXPECT_EQ(decoded.format, row.format);
    EXPECT_EQ(decoded.gbk, row.gbk);
    EXPECT_EQ(decoded.unshownCharacters, 0u);
    EXPECT_EQ(EncodeText(decoded.gbk, decoded.format), row.bytes);
  }
}

TEST(TextFileFormat, AMixedFileTakesItsFirstLineEnd) {
  const DecodedText mixed = DecodeText("a\nb\r\nc\rd");
  EXPECT_EQ(mixed.gbk, "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(mixed.format.lineEnd, LineEnd::Lf);
  EXPECT_EQ(EncodeText(mixed.gbk, mixed.format), "a\nb\nc\nd");
  EXPECT_EQ(DecodeText("a\r\nb\nc").format.lineEnd, LineEnd::CrLf);
}

TEST(TextFileFormat, ValidUtf8IsUtf8AndAnythingElseGbk) {
  EXPECT_TRUE(IsValidUtf8("价格 1+1"));
  EXPECT_FALSE(IsValidUtf8("\xBC\xDB"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // a surrogate
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // an overlong form
  // "价格" in GBK happens to be no UTF-8: GBK. Asked for, the encoding is taken as given.
  EXPECT_EQ(DecodeText("\xBC\xDB\xB8\xF1").format.encoding, FileEncoding::Gbk);
  EXPECT_EQ(DecodeText("abc", FileEncoding::Gbk).format.encoding, FileEncoding::Gbk);
}

// What the program cannot hold is counted, so the user can be told before a save writes "?".
TEST(TextFileFormat, CountsTheCharactersThatBecomeQuestionMarks) {
  const struct {
    const char* name;
    std::string bytes;
    std::string gbk;
    std::size_t unshown;
  } rows[] = {
      {"an emoji and a rare character", "1😀+𠀀?", "1?+??", 2},
      {"the euro sign (one byte in GBK)", "5€", "5?", 1},
      {"a question mark of the text is no loss", "?", "?", 0},
      {"GBK bytes that are no character", "\xBC\xDB\x80\xFF", "\xBC\xDB\x80\xFF", 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const DecodedText decoded = DecodeText(row.bytes);
    EXPECT_EQ(decoded.gbk, row.gbk);
    EXPECT_EQ(decoded.unshownCharacters, row.unshown);
  }
}

}  // namespace
}  // namespace tabulex
