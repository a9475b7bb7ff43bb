#include "engine/expression_tokenizer.h"

#include <gtest/gtest.h>

#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::Status;

// Tokens joined by "·", the end marker left out (every list must end with it).
std::string Joined(const TokenList& tokens) {
  EXPECT_FALSE(tokens.empty());
  EXPECT_EQ(tokens.back(), " ");
  std::string out;
  for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
    if (i > 0) out += "·";
    out += GbkToUtf8(tokens[i]);
  }
  return out;
}

struct Row {
  const char* normalised;  // without the sentinel space, which is appended
  const char* tokens;      // "" when it fails
  std::string message;
};

void Check(const Row& row) {
  SCOPED_TRACE(row.normalised);
  const std::string text = Utf8ToGbk(row.normalised) + " ";  // the tokens are views of it
  const auto out = ExpressionTokenizer(text);
  if (row.message.empty()) {
    ASSERT_TRUE(out.ok()) << GbkToUtf8(out.message());
    EXPECT_EQ(Joined(out.value()), row.tokens);
  } else {
    ASSERT_FALSE(out.ok()) << Joined(out.value());
    EXPECT_EQ(GbkToUtf8(out.message()), row.message);
  }
}

TEST(ExpressionTokenizer, CutsNumbersOperatorsNamesAndConstants) {
  const Row rows[] = {
      {"15+3", "15·+·3", ""},
      {"5*sin30", "5·*·sin·30", ""},
      {"5(3+6)", "5·*·(·3·+·6·)", ""},
      {"(1+2)(3+4)", "(·1·+·2·)·*·(·3·+·4·)", ""},
      {"2*pi^2", "2·*·3.1415926535897932384·^·2", ""},
      {"pi(2)", "3.1415926535897932384·*·(·2·)", ""},
      {"(1)e", "(·1·)·*·2.718281828459045", ""},
      {"e(1)", "2.718281828459045·*·(·1·)", ""},
      {"1/3+2/1/4", "1/3·+·2/1/4", ""},
      {"log(8,2)", "log·(·8·,·2·)", ""},
      {"3-5%", "3·-·5·%", ""},
      {"5%*2", "5·%·*·2", ""},
      {"4|27+|9", "4·|·27·+·sqr·9", ""},
      {"(8)|2", "(·8·)·|·2", ""},
      {"sinh1+cosh1+tanh1", "sinh·1·+·cosh·1·+·tanh·1", ""},
      {"asin1+acos1+atan1+tjfx(1,2)", "asin·1·+·acos·1·+·atan·1·+·tjfx·(·1·,·2·)", ""},
      {"lg1+ln1+if(1,2)", "lg·1·+·ln·1·+·if·(·1·,·2·)", ""},
      {"7\\2^2!", "7·\\·2·^·2·!", ""},
      {"500‰", "500·‰", ""},
      {"1+2=", "1·+·2", ""},
      {"1.5/2", "1.5/2", ""},
  };
  for (const Row& row : rows) Check(row);
}

TEST(ExpressionTokenizer, BinaryLiteralsStartOnlyWhereANumberStarts) {
  const Row rows[] = {
      {"0b101+1", "0b101·+·1", ""},
      {"0b", "0b", ""},
      {"2*0b11", "2·*·0b11", ""},
      {"0b12", "0b1·2", ""},
      {"10b1", "", Status("表达式错误", "有不可识别的字符！")},
      {"(1)0b1", "", Status("表达式错误", "错误，缺少必要的运算符！")},
      {"5%0b1", "", Status("表达式错误", "缺少必要的运算符！")},
  };
  for (const Row& row : rows) Check(row);
}

TEST(ExpressionTokenizer, RefusesWhatCannotBeAnExpression) {
  const std::string missing = Status("表达式错误", "缺少必要的运算符！");
  const std::string missingAfterBracket = Status("表达式错误", "错误，缺少必要的运算符！");
  const std::string unknown = Status("表达式错误", "有不可识别的字符！");
  const Row rows[] = {
      {"pi2", "", missing},
      {"e2", "", missing},
      {"1*e5", "", missing},  // there is no exponent notation in input
      {"5!2", "", missing},
      {"5%2", "", missing},
      {"5‰2", "", missing},
      {"pie", "", missing},
      {"ex", "", missing},
      {"(2)3", "", missingAfterBracket},
      {"(2).5", "", missingAfterBracket},
      {"(2)sin1", "", missingAfterBracket},
      {"(2)exp1", "", missingAfterBracket},
      {"1.2.3", "", Status("表达式错误", "单个操作数中小数点不能多于1个！")},
      {"1.5/2.5", "", Status("表达式错误", "单个操作数中小数点不能多于1个！")},
      {"x+1", "", unknown},
      {"#", "", unknown},
      {"cot1", "", unknown},
      {"SIN30", "", unknown},
  };
  for (const Row& row : rows) Check(row);
}

}  // namespace
}  // namespace tabulex
