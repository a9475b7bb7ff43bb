#include "engine/expression_normaliser.h"

#include <gtest/gtest.h>

#include "engine/expression_text.h"
#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::Status;

struct Row {
  const char* typed;
  int thousandsSeparator;
  const char* normalised;  // "" when it fails
  std::string message;     // "" when it succeeds
};

void Check(const Row& row) {
  SCOPED_TRACE(std::string(row.typed) + " / separator " + std::to_string(row.thousandsSeparator));
  const auto out =
      NormaliseExpression(PrepareExpressionText(Utf8ToGbk(row.typed)), row.thousandsSeparator);
  if (row.message.empty()) {
    ASSERT_TRUE(out.ok()) << GbkToUtf8(out.message());
    EXPECT_EQ(GbkToUtf8(out.value()), row.normalised);
  } else {
    ASSERT_FALSE(out.ok()) << GbkToUtf8(out.value());
    EXPECT_EQ(GbkToUtf8(out.message()), row.message);
  }
}

TEST(NormaliseExpression, SpellsOperatorsInTheInternalAlphabet) {
  const Row rows[] = {
      {"3×4÷2", 0, "3*4@2 ", ""},    {"1∟3+1/3", 0, "1/3+1@3 ", ""},
      {"2π", 0, "2*pi ", ""},        {"(1)π", 0, "(1)*pi ", ""},
      {"π2", 0, "pi2 ", ""},         {"[1+2]*{3}", 0, "(1+2)*(3) ", ""},
      {"5sin30", 0, "5*sin30 ", ""}, {"2x", 0, "2*x ", ""},
      {"3e", 0, "3*e ", ""},         {"1.e", 0, "1.*e ", ""},
      {"0b1", 0, "0b1 ", ""},        {"√9+4√27", 0, "|9+4|27 ", ""},
      {"500‰", 0, "500‰ ", ""},      {"（１＋２）×３", 0, "(1+2)*3 ", ""},
      {"7＼2", 0, "7\\2 ", ""},      {"#", 0, "# ", ""},  // left for the tokeniser to refuse
  };
  for (const Row& row : rows) Check(row);
}

TEST(NormaliseExpression, CommaAndSemicolonFollowTheThousandsSeparator) {
  const Row rows[] = {
      {"max(1,2;3)", 0, "max(1,2,3) ", ""},
      {"1,234+1", 2, "1234+1 ", ""},
      {"max(1;2)", 2, "max(1,2) ", ""},
      {"1;234+1", 1, "1234+1 ", ""},
      {"max(1,2)", 1, "max(1,2) ", ""},
      {"max(1,2;3)", 7, "max(123) ", ""},  // any other setting drops both
  };
  for (const Row& row : rows) Check(row);
}

TEST(NormaliseExpression, RefusesChineseCharactersOtherThanTheKnownSymbols) {
  const std::string message = Status("表达式错误", "有不可识别的汉字字符！");
  const Row rows[] = {
      {"价格0.3+0.5", 0, "", message},
      {"1+2个", 0, "", message},
      {"(中", 0, "", message},  // the walk meets the character before the missing bracket
  };
  for (const Row& row : rows) Check(row);
}

TEST(NormaliseExpression, BracketChecksNameTheBracketThatFailedInWalkOrder) {
  const Row rows[] = {
      {"(1+2", 0, "", Status("表达式错误", "错误，公式缺少右括号！")},
      {"(1+2))", 0, "", Status("表达式错误", "错误，表达式中括号不匹配！")},
      {"1+2)", 0, "", Status("表达式错误", "错误，表达式中括号不匹配！")},
      {"(1+2]", 0, "", Status("表达式错误", "错误，表达式中中括号不匹配！")},
      {"[1+2)", 0, "", Status("表达式错误", "错误，表达式中括号不匹配！")},
      {"{1+2]", 0, "", Status("表达式错误", "错误，表达式中中括号不匹配！")},
      {"[1+2}", 0, "", Status("表达式错误", "错误，表达式中大括号不匹配！")},
      {"[1+2", 0, "", Status("表达式错误", "错误，公式缺少右中括号！")},
      {"{1+2", 0, "", Status("表达式错误", "错误，公式缺少右大括号！")},
      {"[(1+2", 0, "", Status("表达式错误", "错误，公式缺少右括号！")},  // round first
      {"{[1+2", 0, "", Status("表达式错误", "错误，公式缺少右中括号！")},
      {")中", 0, "", Status("表达式错误", "错误，表达式中括号不匹配！")},
      {"{[1+2]}*2", 0, "((1+2))*2 ", ""},
  };
  for (const Row& row : rows) Check(row);
}

}  // namespace
}  // namespace tabulex
