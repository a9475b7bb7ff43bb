#include "engine/expression_text.h"

#include <gtest/gtest.h>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

TEST(ExpressionText, RemovesSpacesLowersLettersAndTurnsFullWidthFormsIntoAscii) {
  const struct {
    const char* expression;
    const char* prepared;
  } rows[] = {
      {"15 + 3", "15+3 "},    {"SIN30", "sin30 "},    {"（１＋２）×３", "(1+2)×3 "},
      {"ＳＩＮ30", "SIN30 "},  // full-width capitals stay capitals: lowering came first
      {"ｓｉｎ30", "sin30 "}, {"1　+　2", "1+2 "},  // the full-width space
      {"～5★2☆1", "~5*2*1 "}, {"价格＝1", "价格=1 "}, {"", " "},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expression);
    EXPECT_EQ(GbkToUtf8(PrepareExpressionText(Utf8ToGbk(row.expression))), row.prepared);
  }
}

TEST(ExpressionText, LowersOnlyAsciiBytesNotTrailBytesOfChineseCharacters) {
  // 0xB0 0x41: a character whose trail byte is "A".
  EXPECT_EQ(PrepareExpressionText("\xB0\x41"
                                  "A"),
            "\xB0\x41"
            "a ");
}

}  // namespace
}  // namespace tabulex
