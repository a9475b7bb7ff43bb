// The evaluation passes on normalised text: "@" divides, "/" inside a number is the fraction
// separator, "|" is the root.
#include "engine/postfix_evaluator.h"

#include <gtest/gtest.h>

#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::Status;

constexpr int kDegrees = 1;
constexpr int kRadians = 2;

Evaluation Evaluate(const std::string& normalised, int angleUnit = kDegrees,
                    ConversionRun run = ConversionRun::Normal) {
  const std::string text = Utf8ToGbk(normalised) + " ";  // the tokens are views of it
  const auto tokens = ExpressionTokenizer(text);
  EXPECT_TRUE(tokens.ok()) << normalised;
  if (!tokens.ok()) return {};
  return EvaluateExpression(tokens.value(), run, angleUnit);
}

struct ValueRow {
  const char* normalised;
  const char* result;  // the operand text left on the stack
};

void CheckValues(std::initializer_list<ValueRow> rows, int angleUnit = kDegrees) {
  for (const ValueRow& row : rows) {
    SCOPED_TRACE(row.normalised);
    const Evaluation e = Evaluate(row.normalised, angleUnit);
    ASSERT_FALSE(e.failure) << GbkToUtf8(e.failure->message);
    EXPECT_EQ(e.result, row.result);
  }
}

struct FailureRow {
  const char* normalised;
  std::string message;
};

void CheckFailures(std::initializer_list<FailureRow> rows, int angleUnit = kDegrees) {
  for (const FailureRow& row : rows) {
    SCOPED_TRACE(row.normalised);
    const Evaluation e = Evaluate(row.normalised, angleUnit);
    ASSERT_TRUE(e.failure) << e.result;
    EXPECT_EQ(GbkToUtf8(e.failure->message), row.message);
  }
}

TEST(PostfixEvaluator, BindsByPrecedenceAndKeepsThirteenDigitsBetweenSteps) {
  CheckValues({
      {"1+2*3", "7"},
      {"(1+2)*3", "9"},
      {"2^3^2", "64"},
      {"8@2@2", "2"},
      {"7-2-1", "4"},
      {"-2^2", "4"},
      {"2^-2", "0.25"},
      {"3*-8", "-24"},
      {"-(2+3)", "-5"},
      {"+5", "5"},
      {"-5", "-5"},
      {"5.0", "5.0"},  // a number operand stays as written
      {"5(3+6)", "45"},
      {"(15+5)(2+3*8)", "520"},
      {"(2)(3)", "6"},
      {"sin30+5", "5.5"},
      {"sin(30+150)", "1.224646799147e-016"},
      {"1/2+1/4", "0.75"},
      {"2/1/4", "2.25"},
      {"2/5/4", "3.25"},
      {"0.1+0.2", "0.3"},
      {"1@3*3", "0.9999999999999"},
      {"pi", "3.1415926535897932384"},
      {"0b101", "5"},
      {"0b", "0"},
      {"0b+1", "1"},
      {".5+1", "1.5"},
  });
}

TEST(PostfixEvaluator, ReportsMisplacedCommasAndMissingOperands) {
  CheckFailures({
      {"(1,2)+3", Status("表达式错误", "逗号位置错误！")},
      {"1,2", Status("表达式错误", "逗号位置错误！")},
      {"1+2,3", Status("表达式错误", "逗号位置错误！")},
      {"1+", Status("表达式错误", "请检查操作符前后是否缺少操作数！")},
      {"-.5", Status("表达式错误", "请检查操作符前后是否缺少操作数！")},
      {"max(1,)", Status("表达式错误", "请检查操作符前后是否缺少操作数！")},
      {"1@0", Status("运算错误", "除法运算错误！")},
      {"/3", Status("表达式错误", "表达式无法完整计算，因为缺少必要的运算符！")},
      {"sin()", Status("运算错误", "sin函数参数不能为空！")},
      {"‰", Status("运算错误", "‰函数参数不能为空！")},
      {"sin(1,2)", Status("运算错误", "为sin函数提供过多的参数，函数参数必须为1个！")},
      {"-(1,2)", Status("运算错误", "为~函数提供过多的参数，函数参数必须为1个！")},
      {"max()", Status("运算错误", "求max函数参数不能为空！")},
      {"10^400+1", Status("运算错误", "乘方运算错误或溢出！")},
  });
}

TEST(PostfixEvaluator, NonFiniteIntermediatesReadBackAndFailTheNextCheckedOperator) {
  CheckValues({{"ln0", "-inf"}, {"ln(0-1)", "nan"}, {"exp(1000)", "inf"}});
  CheckFailures({
      {"ln0+1", Status("运算错误", "加法运算错误或溢出！")},
      {"exp(1000)-1", Status("运算错误", "减法运算错误！")},
      {"exp(1000)*2", Status("运算错误", "乘法运算错误或溢出！")},
      {"ln(0-1)!", Status("运算错误", "阶乘的参数必须是一个整数且大于零,小于等于150！")},
  });
}

TEST(PostfixEvaluator, OperatorsOfIntegerDivisionPowerRootAndThePostfixOnes) {
  CheckValues({
      {"7\\2", "3"},
      {"-7\\2", "-3"},
      {"7.5\\2.5", "3"},
      {"2^10", "1024"},
      {"2^-1", "0.5"},
      {"(-8)^2", "64"},
      {"2^0.5", "1.414213562373"},
      {"4|27", "2.279507056955"},
      {"2|16", "4"},
      {"|16", "4"},
      {"0|0.5", "0"},
      {"2|16|2", "1.189207115003"},
      {"5!", "120"},
      {"1!", "1"},
      {"150!", "5.713383956446e+262"},
      {"3.00000001!", "6"},
      {"(1@3*3*3)!", "6"},  // 2.9999999999997 is accepted as 3, so it is 3!
      {"(1+2)!", "6"},
      {"2^3!", "64"},
      {"50%", "0.5"},
      {"5*50%", "2.5"},
      {"2*30%", "0.6"},
      {"500‰", "0.5"},
      {"(2+3)%", "0.05"},
  });
  const std::string factorial =
      Status("运算错误", "阶乘的参数必须是一个整数且大于零,小于等于150！");
  CheckFailures({
      {"7\\0", Status("运算错误", "求余运算错误！")},
      {"0^-1", Status("运算错误", "乘方运算错误或溢出！")},
      {"(-8)^0.5", Status("运算错误", "乘方运算错误或溢出！")},
      {"10^400", Status("运算错误", "乘方运算错误或溢出！")},
      {"3|-8", Status("运算错误", "开根错误或溢出！")},
      {"0|5", Status("运算错误", "开根错误或溢出！")},
      {"0!", factorial},
      {"151!", factorial},
      {"2.5!", factorial},
      {"-3!", factorial},
      {"2.99999999999!", factorial},  // only the last 10^-12 below an integer counts as it
  });
}

TEST(PostfixEvaluator, OneArgumentFunctionsInDegreesAndRadians) {
  CheckValues({
      {"sin30", "0.5"},
      {"cos60", "0.5"},
      {"tan45", "1"},
      {"sin180", "1.224646799147e-016"},
      {"tan90", "1.63312393532e+016"},
      {"asin0.5", "30"},
      {"acos0.5", "60"},
      {"atan1", "45"},
      {"asin1", "90"},
      {"acos(0-1)", "180"},
      {"sqr16", "4"},
      {"sinh1", "1.175201193644"},
      {"cosh0", "1"},
      {"tanh(1)", "0.7615941559558"},
      {"int(2.7)", "2"},
      {"int(-2.7)", "-2"},
      {"int(2.9999999999999)", "3"},
      {"int(-0.9999999999999)", "-1"},
      {"int(-0.5)", "0"},
      {"int(10000000000.5)", "10000000000"},
      {"abs(-3)", "3"},
      {"lg1000", "3"},
      {"ln(e)", "1"},
      {"exp(1)", "2.718281828459"},
  });
  CheckValues({{"sin(pi@2)", "1"}, {"acos(0)", "1.570796326795"}, {"atan1", "0.7853981633974"}},
              kRadians);
  CheckFailures({
      {"asin2", Status("运算错误", "正弦值只能在-1～1之间！")},
      {"acos(-1.5)", Status("运算错误", "余弦值只能在-1～1之间！")},
      {"asin1.00000001", Status("运算错误", "反正弦运算错误或溢出！")},
      {"sqr(-4)", Status("运算错误", "平方根运算错误或溢出！")},
      {"sinh(1000)", Status("运算错误", "sinh函数运算错误！")},
      {"cosh(1000)", Status("运算错误", "cosh函数运算错误！")},
      {"tanh(1000)", Status("运算错误", "tanh函数运算错误！")},
      {"cos(ln0)", Status("运算错误", "余弦运算错误或溢出！")},
      {"tan(ln0)", Status("运算错误", "正切运算错误或溢出！")},
      {"sin(ln0)", Status("运算错误", "正弦运算错误或溢出！")},
  });
  // acos has no check of its own: just beyond 1 it passes "not a number" on.
  CheckValues({{"acos1.00000001", "nan"}});
}

TEST(PostfixEvaluator, ListFunctions) {
  CheckValues({
      {"log(2,8)", "3"},
      {"max(3,9,2)", "9"},
      {"min(3,9,2)", "2"},
      {"sum(1,2,3.5)", "6.5"},
      {"max(5)", "5"},
      {"max(1+2,3*4)", "12"},
      {"sum(1,(2,3),4)", "10"},  // a bracketed list joins the enclosing one
      {"(1,2,3)", "1,2,3"},      // a list left alone is the result text as it stands
      {"if(2,10,20,30)", "20"},
      {"if(3,10,20,30)", "30"},
      {"if(1,10,20)", "10"},
      {"if(1,1.50,2)", "1.50"},  // the chosen text is handed back unchanged
      {"tjfx(5,1,2,3,4)", "2.5"},
      {"tjfx(9,1,2,3,4)", "2.5"},
      {"tjfx(6,2,4,4,4,5,5,7,9)", "4.571428571429"},
      {"tjfx(2,4,8)", "8"},
      {"tjfx(9,5,1,3,2)", "2.5"},
      {"tjfx(9,5,1,3)", "3"},
      {"tjfx(6,5)", "nan"},  // a single value has no variance
  });
  CheckFailures({
      {"log(8)", Status("运算错误", "求log函数参数数量必须为2！")},
      {"log(1,2,3)", Status("运算错误", "求log函数参数数量必须为2！")},
      {"if(4,10,20,30)", Status("运算错误", "求if函数第一个参数错误！")},
      {"if(0,10,20)", Status("运算错误", "求if函数第一个参数错误！")},
      {"if(3,10,20)", Status("运算错误", "求if函数第一个参数错误！")},
      {"if(ln(0-1),10)", Status("运算错误", "求if函数第一个参数错误！")},
      {"tjfx(1)", Status("运算错误", "求tjfx函数参数数量必须大于等于2！")},
      {"tjfx(10,1,2)", Status("运算错误", "求tjfx函数的定义参数超出范围！")},
      {"tjfx(0,1,2)", Status("运算错误", "求tjfx函数的定义参数超出范围！")},
  });
}

TEST(PostfixEvaluator, StyleRecordsHowTheOperandsWereWritten) {
  const struct {
    const char* normalised;
    OperandStyle style;
  } rows[] = {
      {"1/2+1/4", OperandStyle::FractionInput},
      {"-0.5+1", OperandStyle::FractionInput},  // the negation sets it
      {"0.5+0", OperandStyle::Plain},
      {"1/2+0.5", OperandStyle::Plain},
      {"1.5/2", OperandStyle::Plain},
      {"1/2^2", OperandStyle::FractionInput},  // binary operators leave it
      {"1/2%", OperandStyle::Plain},           // unary operators set decimal input
      {"sin(0)+1/2", OperandStyle::Plain},
      {"max(1/2)", OperandStyle::Plain},
      {"2+3", OperandStyle::Plain},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.normalised);
    EXPECT_EQ(Evaluate(row.normalised).style, row.style);
  }
  EXPECT_EQ(Evaluate("0.5+0", kDegrees, ConversionRun::SecondStep).style,
            OperandStyle::FractionInput);
}

TEST(PostfixEvaluator, ReachedEndOnlyWhenTheWholeQueueWasRead) {
  EXPECT_TRUE(Evaluate("1+2").reachedEnd);
  EXPECT_TRUE(Evaluate("0b12").reachedEnd);  // fails after the loop, for want of an operator
  EXPECT_FALSE(Evaluate("1@0").reachedEnd);
  EXPECT_FALSE(Evaluate("(1,2)+3").reachedEnd);
}

}  // namespace
}  // namespace tabulex
