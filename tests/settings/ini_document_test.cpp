#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

TEST(IniDocument, ReadsKeysTheWayProfileFilesAreRead) {
  // Texts in UTF-8; the document is read as GBK.
  const struct {
    const char* file;
    const char* section;
    const char* key;
    const char* expected;  // the default is "<default>"
  } rows[] = {
      {"[运行设置]\r\n窗口状态=3\r\n", "运行设置", "窗口状态", "3"},
      {"[a]\nk=v\n", "a", "k", "v"},                      // LF only
      {"[a]\r\nk=v", "a", "k", "v"},                      // no final line break
      {"[Section]\r\nKEY=v\r\n", "sECTION", "key", "v"},  // ASCII letters in any case
      {"[  a\t]\r\nk=v", "a", "k", "v"},                  // blanks inside the brackets
      {"[a]\r\nk=v", "  a ", "k", "v"},
      {"  [a]\r\n \tk=v", "a", "k", "v"},  // leading blanks of the line
      {"[a]\r\nk= \t v w \t", "a", "k", "v w"},
      {"[a]\r\nk=", "a", "k", ""},  // present but empty: not the default
      {"[a]\r\nk=\"  x \"", "a", "k", "  x "},
      {"[a]\r\nk='y'", "a", "k", "y"},
      {"[a]\r\nk=\"z", "a", "k", "\"z"},
      {"[a]\r\nk=\"", "a", "k", "\""},
      {"[a]\r\nk=1=2", "a", "k", "1=2"},
      {"[a] ; note\r\nk=1", "a", "k", "1"},
      {"[a]b]\r\nk=1", "a]b", "k", "1"},                           // the name ends at the last "]"
      {"[a]\r\nk=1\r\n[a]\r\nk=2\r\nj=3", "a", "k", "1"},          // the first section wins ...
      {"[a]\r\nk=1\r\n[a]\r\nk=2\r\nj=3", "a", "j", "<default>"},  // ... the second is unseen
      {"[a]\r\nk=1\r\nK=2", "a", "K", "1"},                        // the first key wins
      {"[a]\r\n[b]\r\nk=1", "a", "k", "<default>"},
      {"k=1\r\n[a]", "a", "k", "<default>"},  // keys before any header belong nowhere
      {"[a]\r\nk\r\n", "a", "k", "<default>"},
      {"[a]\r\n; k=1", "a", "k", "<default>"},
      {"[b]\r\nk=1", "a", "k", "<default>"},
      {"", "a", "k", "<default>"},
      {"[a]\r\nk=1", "a", "", "<default>"},
      // The trailing space belongs to the key name.
      {"[其他设置]\r\n按esc退出=真", "其他设置", "按esc退出 ", "<default>"},
      {"[其他设置]\r\n按esc退出 =真", "其他设置", "按esc退出 ", "真"},
      {"[其他设置]\r\n按esc退出 =真", "其他设置", "按esc退出", "<default>"},
      {"[其他设置]\r\n按ESC退出 =真", "其他设置", "按esc退出 ", "真"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.file) + " | " + row.section + " | " + row.key);
    const IniDocument document(Utf8ToGbk(row.file));
    EXPECT_EQ(document.ReadKey(Utf8ToGbk(row.section), Utf8ToGbk(row.key), "<default>"),
              Utf8ToGbk(row.expected));
  }
}

TEST(IniDocument, FoldsCaseOnlyOnSingleByteCharacters) {
  // 0x81 0x41 and 0x81 0x61 are two different characters whose trail bytes look like "A"
  // and "a"; 0x81 0x5D is a character whose trail byte looks like "]".
  const IniDocument document(
      "[\x81]]\r\n"
      "\x81\x41=upper\r\n"
      "A\x81\x41=mixed\r\n");
  EXPECT_EQ(document.ReadKey("\x81]", "\x81\x41", "-"), "upper");
  EXPECT_EQ(document.ReadKey("\x81]", "\x81\x61", "-"), "-");
  EXPECT_EQ(document.ReadKey("\x81]", "a\x81\x41", "-"), "mixed");
  EXPECT_EQ(document.ReadKey("\x81]", "a\x81\x61", "-"), "-");
  // Without a "]" of its own the line is no header.
  EXPECT_EQ(IniDocument("[\x81]\r\nk=1").ReadKey("\x81", "k", "-"), "-");
}

TEST(IniDocument, CutsLongValuesWithoutSplittingACharacter) {
  const std::string limit(IniDocument::kMaxValueBytes, 'x');
  const std::string shortOfOne(IniDocument::kMaxValueBytes - 1, 'x');
  const std::string twoShort(IniDocument::kMaxValueBytes - 2, 'x');
  const std::string character = "\xB0\xA1";  // 啊
  const struct {
    std::string value;
    std::string expected;
  } rows[] = {
      {limit, limit},
      {limit + "yy", limit},
      {shortOfOne + character, shortOfOne},  // the character would straddle the limit
      {twoShort + character, twoShort + character},
      {"\"" + limit + "y\"", limit},  // quotes come off before the cut
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value.size());
    const IniDocument document("[a]\r\nk=" + row.value + "\r\n");
    EXPECT_EQ(document.ReadKey("a", "k"), row.expected);
  }
}

TEST(IniDocument, KeepsAnyBytesAsTheyAre) {
  using namespace std::string_literals;
  const std::string texts[] = {
      "",
      "\r\n",
      "\r",
      "a",
      "[a]\r\nk=v\n\r\n\n",
      "[a]\rk=v\r",
      "\0[\0]\0=\0\r\n"s,
      "\xFF\xFE[\x81\r\n\x81\n\x80=\xFE",
      "\n\n[a]\t\r\n  ; x\r\n",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(IniDocument(text).Text(), text);
  }
}

TEST(IniDocument, WritesChangeOnlyTheLinesTheyMust) {
  const struct {
    const char* before;
    const char* section;
    const char* key;
    const char* after;
  } rows[] = {
      {"", "a", "k", "[a]\r\nk=v\r\n"},
      {"[a]\nk=old\nj=1\n", "a", "k", "[a]\nk=v\nj=1\n"},
      {"[A]\r\n  K = old\r\n", "a", "K ", "[A]\r\n  K =v\r\n"},  // spelling of the file kept
      {"[A]\r\n  K = old\r\n", "a", "K", "[A]\r\n  K = old\r\nK=v\r\n"},
      {"[a]\r\nk=1\r\n\r\n[b]\r\nx=1\r\n", "a", "j", "[a]\r\nk=1\r\nj=v\r\n\r\n[b]\r\nx=1\r\n"},
      {"[a]\r\n; note\r\n\r\n", "a", "j", "[a]\r\n; note\r\nj=v\r\n\r\n"},
      {"[a]\r\n\r\n[b]\r\n", "a", "k", "[a]\r\nk=v\r\n\r\n[b]\r\n"},
      {"[a]\r\nk=1", "a", "j", "[a]\r\nk=1\r\nj=v\r\n"},
      {"[a]\r", "a", "j", "[a]\r\nj=v\r\n"},
      {"[a]\nk=1", "b", "k", "[a]\nk=1\r\n[b]\r\nk=v\r\n"},
      {"[a]\r\n[b]\r\n[a]\r\n", "a", "k", "[a]\r\nk=v\r\n[b]\r\n[a]\r\n"},
      {"x=1\r\n", "a", "x", "x=1\r\n[a]\r\nx=v\r\n"},
      {"; top\r\n[a]\r\n; k=1\r\nk=1\r\n", "a", "k", "; top\r\n[a]\r\n; k=1\r\nk=v\r\n"},
      {"[a]\r\nk=1\r\n", " a\t", "  k", "[a]\r\nk=v\r\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.before) + " | " + row.section + " | " + row.key);
    IniDocument document(row.before);
    EXPECT_TRUE(document.WriteKey(row.section, row.key, "v"));
    EXPECT_EQ(document.Text(), row.after);
  }
}

TEST(IniDocument, WrittenValuesReadBackAndCannotAddLines) {
  const struct {
    std::string value;
    std::string line;      // the key line written
    std::string readBack;  // what ReadKey gives afterwards
  } rows[] = {
      {Utf8ToGbk("真"), "k=" + Utf8ToGbk("真"), Utf8ToGbk("真")},
      {"", "k=", ""},
      {"Times New Roman", "k=Times New Roman", "Times New Roman"},
      {"  100 ", "k=\"  100 \"", "  100 "},  // blanks kept by quoting
      {"\"q\"", "k=\"\"q\"\"", "\"q\""},
      {"'", "k='", "'"},
      {"a\r\n[b]\r\nx=1", "k=a", "a"},  // only the first line is written
      {"a\nb", "k=a", "a"},
      {"\rb", "k=", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value);
    IniDocument document;
    EXPECT_TRUE(document.WriteKey("a", "k", row.value));
    EXPECT_EQ(document.Text(), "[a]\r\n" + row.line + "\r\n");
    EXPECT_EQ(document.ReadKey("a", "k"), row.readBack);
    EXPECT_EQ(IniDocument(document.Text()).ReadKey("b", "x", "-"), "-");
  }
}

TEST(IniDocument, RefusesNamesThatCouldNotBeReadBack) {
  const struct {
    std::string section;
    std::string key;
  } rows[] = {
      {"a", ""},     {"a", "  "},     {"a", "k=1"}, {"a", "[b]"},  {"a", "k\r"},
      {"a", "k\nj"}, {"a\r\nb", "k"}, {"a\n", "k"}, {"\x81", "k"},  // a stray lead byte would
                                                                    // swallow the closing "]"
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.section + " | " + row.key);
    IniDocument document("[a]\r\n");
    EXPECT_FALSE(document.WriteKey(row.section, row.key, "v"));
    EXPECT_EQ(document.Text(), "[a]\r\n");
  }
}

}  // namespace
}  // namespace tabulex
