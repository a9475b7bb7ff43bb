// The documented calculation examples, typed the way a user types them, run through
// tabulex-calc -e as the only line of a text with the caret at its end. Each row gives what the
// user sees: the formatted result, or the status message when there is none.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/calc_command.h"

namespace tabulex {
namespace {

struct Expect {
  int exitCode;      // 0 result printed, 1 no result
  std::string text;  // the result (exit 0) or the status message (exit 1), without "\n"
};

Expect Result(std::string text) {
  return {0, std::move(text)};
}
Expect Message(std::string text) {
  return {1, std::move(text)};
}
// Nothing to calculate and nothing to say: the status bar keeps its old text.
const Expect kSilent{1, ""};

const std::string kBareNumber = "  [提示]_没有可计算的表达式,值已加入累加器！";

const std::string kHanzi = "  [表达式错误]_有不可识别的汉字字符！";
const std::string kUnknownChar = "  [表达式错误]_有不可识别的字符！";
const std::string kRoundMismatch = "  [表达式错误]_错误，表达式中括号不匹配！";
const std::string kMissingRound = "  [表达式错误]_错误，公式缺少右括号！";
const std::string kNumberAfterOperand = "  [表达式错误]_缺少必要的运算符！";
const std::string kAfterCloseBracket = "  [表达式错误]_错误，缺少必要的运算符！";
const std::string kTwoPoints = "  [表达式错误]_单个操作数中小数点不能多于1个！";
const std::string kZeroDenominator = "  [表达式错误]_输入的分数格式错误,分母不能为零！";
const std::string kMissingPart = "  [表达式错误]_输入的分数格式错误,缺少分母或分子！";
const std::string kComma = "  [表达式错误]_逗号位置错误！";
const std::string kMissingOperand = "  [表达式错误]_请检查操作符前后是否缺少操作数！";
const std::string kPower = "  [运算错误]_乘方运算错误或溢出！";
const std::string kRoot = "  [运算错误]_开根错误或溢出！";
const std::string kFactorial = "  [运算错误]_阶乘的参数必须是一个整数且大于零,小于等于150！";
const std::string kIfSelector = "  [运算错误]_求if函数第一个参数错误！";
const std::string kTjfxSelector = "  [运算错误]_求tjfx函数的定义参数超出范围！";

using Settings = std::vector<std::string>;
const Settings kFraction{"fractionDisplay=1"};
const Settings kMixed{"fractionDisplay=2"};
const Settings kRadians{"angleUnit=2"};

struct Row {
  std::string input;
  Expect expect;
  Settings settings{};
};

void Check(const Row& row) {
  std::vector<std::string> arguments{"-e", row.input};
  std::string trace = "-e '" + row.input + "'";
  for (const std::string& setting : row.settings) {
    arguments.push_back("--set");
    arguments.push_back(setting);
    trace += " --set " + setting;
  }
  SCOPED_TRACE(trace);

  std::ostringstream out;
  std::ostringstream err;
  std::istringstream in;
  const int exitCode = RunCalcCommand(arguments, in, out, err);
  EXPECT_EQ(exitCode, row.expect.exitCode);
  if (row.expect.exitCode == 0) {
    EXPECT_EQ(out.str(), row.expect.text + "\n");
    EXPECT_EQ(err.str(), "");
  } else {
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), row.expect.text.empty() ? "" : row.expect.text + "\n");
  }
}

void CheckAll(const std::vector<Row>& rows) {
  for (const Row& row : rows) Check(row);
}

TEST(CalcCliCases, LineCutsTheExpressionAfterTheLastEquals) {
  CheckAll({
      {"15+3", Result("18")},
      {"15+3=18+5", Result("23")},
      {"价格=0.3+0.5", Result("0.8")},
      {"1+2=", Result("3")},
      {"a=1+2=", Result("3")},
      {"sin30+2^3", Result("8.5")},
      {"5(3+6)", Result("45")},
      // Spaces go before anything is read; the result follows the last non-space byte.
      {"  1 + 2  ", Result("3")},
      {"1+2   3+4", Result("7"), {"spaceSeparates=true"}},
      // Nothing to calculate: no result and no message.
      {"1+2==", kSilent},
      {"", kSilent},
      {"   ", kSilent},
      {"5", Message(kBareNumber)},
      {"1+", Message(kMissingOperand)},
      // The label is cut at the ASCII "=" before full-width forms become ASCII.
      {"价格＝0.3+0.5", Message(kHanzi)},
  });
}

TEST(CalcCliCases, NormalisationMapsTheTypedSymbols) {
  CheckAll({
      {"3×4÷2", Result("6")},
      // "∟" makes one fraction number, a typed "/" divides.
      {"1∟3+1/3", Result("0.6666666666666")},
      {"2π", Result("6.28318530718")},
      {"π2", Message(kNumberAfterOperand)},
      {"[1+2]*{3}", Result("9")},
      {"5sin30", Result("2.5")},
      {"2x", Message(kUnknownChar)},
      {"（１＋２）×３", Result("9")},
      {"ｓｉｎ30", Result("0.5")},
      // Lower-casing comes before the full-width conversion.
      {"ＳＩＮ30", Message(kUnknownChar)},
      {"价格0.3+0.5", Message(kHanzi)},
      // The first problem met in the walk decides the message.
      {"(中", Message(kHanzi)},
      {")中", Message(kRoundMismatch)},
  });
}

TEST(CalcCliCases, SeparatorsFollowTheThousandsSetting) {
  const Settings comma{"thousandsSeparator=2"};
  const Settings semicolon{"thousandsSeparator=1"};
  CheckAll({
      // The digit-group mark is dropped, and the result is grouped again.
      {"1,234+1", Result("1,235"), comma},
      {"max(1;2)", Result("2"), comma},
      {"1;234+1", Result("1;235"), semicolon},
      {"max(1,2)", Result("2"), semicolon},
      {"max(1,2)", Result("2")},
      {"max(1;2)", Result("2")},
  });
}

TEST(CalcCliCases, BracketChecksNameTheFailingBracket) {
  CheckAll({
      {"(1+2", Message(kMissingRound)},
      {"(1+2))", Message(kRoundMismatch)},
      {"1+2)", Message(kRoundMismatch)},
      {"[1+2)", Message(kRoundMismatch)},
      {"(1+2]", Message("  [表达式错误]_错误，表达式中中括号不匹配！")},
      {"[1+2}", Message("  [表达式错误]_错误，表达式中大括号不匹配！")},
      {"[1+2", Message("  [表达式错误]_错误，公式缺少右中括号！")},
      {"{1+2", Message("  [表达式错误]_错误，公式缺少右大括号！")},
      // The round counter is checked first at the end.
      {"[(1+2", Message(kMissingRound)},
      {"{[1+2]}*2", Result("6")},
  });
}

TEST(CalcCliCases, TokeniserReadsNumbersNamesAndImplicitProducts) {
  CheckAll({
      {"5*sin30", Result("2.5")},
      {"2*pi^2", Result("19.73920880218")},
      {"(1)e", Result("2.718281828459")},
      {"1∟3+2∟1∟4", Result("2.583333333333")},
      {"log(8,2)", Result("0.3333333333333")},
      {"3-5%", Result("2.95")},
      {"4|27+|9", Result("5.279507056955")},
      {"2(3)", Result("6")},
      {"(1+2)(3+4)", Result("21")},
      {"sin30", Result("0.5")},
      {"sin(30)", Result("0.5")},
      // The four-letter names are tried before the three-letter ones.
      {"sinh30", Result("5343237290762")},
      {"sinh1", Result("1.175201193644")},
      {"cosh1", Result("1.543080634815")},
      {"tanh1", Result("0.7615941559558")},
      {"5%*2", Result("0.1")},
      {"1.5∟2", Result("0.75")},
  });
}

TEST(CalcCliCases, TokeniserRejectsWhatCannotBeAnExpression) {
  CheckAll({
      {"(2)3", Message(kAfterCloseBracket)},
      {"(2).5", Message(kAfterCloseBracket)},
      // Only the constant e multiplies implicitly after ")".
      {"(2)sin30", Message(kAfterCloseBracket)},
      {"pi2", Message(kNumberAfterOperand)},
      {"e2", Message(kNumberAfterOperand)},
      // No exponent notation in input: this is 1*e5.
      {"1e5", Message(kNumberAfterOperand)},
      {"5!2", Message(kNumberAfterOperand)},
      {"5%2", Message(kNumberAfterOperand)},
      {"5‰2", Message(kNumberAfterOperand)},
      // "pi" followed by a letter, not an unknown byte.
      {"pie", Message(kNumberAfterOperand)},
      {"1.2.3", Message(kTwoPoints)},
      {"1.5∟2.5", Message(kTwoPoints)},
      {"x+1", Message(kUnknownChar)},
      {"#", Message(kUnknownChar)},
      {"cot30", Message(kUnknownChar)},
  });
}

TEST(CalcCliCases, BinaryLiteralsStartOnlyWhereANumberStarts) {
  CheckAll({
      {"0b101+0", Result("5")},
      {"0b1+1", Result("2")},
      {"1+0b", Result("1")},
      {"10b1", Message(kUnknownChar)},
  });
}

TEST(CalcCliCases, FractionOperands) {
  CheckAll({
      {"1∟0", Message(kZeroDenominator)},
      {"1∟2∟0", Message(kZeroDenominator)},
      {"3∟", Message(kMissingPart)},
      {"1∟2∟3∟4", Message(kMissingPart)},
      {"2∟1∟4", Result("2.25")},
      {"2∟5∟4", Result("3.25")},
      // The sign is a token of its own: the negation of 2.25.
      {"-2∟1∟4", Result("-2.25")},
      {"2∟1∟4*4", Result("9")},
      // A lone fraction is still a calculation: its text differs from the operand's.
      {"1∟3", Result("0.3333333333333")},
  });
}

TEST(CalcCliCases, FractionDisplayForms) {
  CheckAll({
      {"1∟3", Result("1∟3"), kFraction},
      {"1∟3+1∟3", Result("2∟3"), kFraction},
      {"1∟2+1∟4", Result("3∟4"), kFraction},
      {"1∟7", Result("1∟7"), kFraction},
      {"1∟10000", Result("1∟10000"), kFraction},
      {"-1∟2", Result("-1∟2"), kFraction},
      {"2∟1∟4+0", Result("9∟4"), kFraction},
      {"2∟1∟4+0", Result("2∟1∟4"), kMixed},
      {"2∟1∟4+1", Result("3∟1∟4"), kMixed},
      // An integer is never a fraction.
      {"2∟1∟4*4", Result("9"), kFraction},
      {"1∟2*2", Result("1"), kFraction},
      // Below 1 the mixed form falls back to a decimal.
      {"1∟3+0", Result("0.3333333333333"), kMixed},
      {"1∟2+1∟4", Result("0.75"), kMixed},
      // No fraction within the limits: decimal.
      {"-(√2)", Result("-1.414213562373"), kFraction},
      {"123456789∟1∟2+0", Result("123456789.5"), kFraction},
      {"1234567∟1∟2+0", Result("2469135∟2"), kFraction},
      {"1234567∟1∟2+0", Result("1234567.5"), kMixed},
  });
}

TEST(CalcCliCases, OnlyFractionStyleResultsShowAsFractions) {
  CheckAll({
      // A point in the input keeps the decimal, a typed "/" is a division.
      {"1.5∟2", Result("0.75"), kFraction},
      {"0.5+0.25", Result("0.75"), kFraction},
      {"1/2+1/4", Result("0.75"), kFraction},
      {"0.5+0", Result("0.5"), kFraction},
      {"1∟2+0.5", Result("1"), kFraction},
      {"1∟4+0.5", Result("0.75"), kFraction},
      // Negation makes the style a fraction whatever came before.
      {"-0.5+1", Result("1∟2"), kFraction},
      // Postfix operators and functions give a decimal; "^" keeps the fraction.
      {"1∟2^2", Result("1∟4"), kFraction},
      {"1∟2%", Result("0.005"), kFraction},
      {"sin(0)+1∟2", Result("0.5"), kFraction},
  });
}

TEST(CalcCliCases, PrecedenceAndSigns) {
  CheckAll({
      {"1+2*3", Result("7")},
      {"(1+2)*3", Result("9")},
      {"2^3^2", Result("64")},
      {"8/2/2", Result("2")},
      {"8÷2÷2", Result("2")},
      {"7-2-1", Result("4")},
      {"-2^2", Result("4")},
      {"2^-2", Result("0.25")},
      {"5^-3", Result("0.008")},
      {"3*-8", Result("-24")},
      {"-(2+3)", Result("-5")},
      {"+5", Result("5")},
      {"(15+5)(2+3*8)", Result("520")},
      {"(2)(3)", Result("6")},
      // A prefix function takes only the number or group right after it.
      {"sin3+5", Result("5.052335956243")},
      {"sin(1+2)", Result("0.0523359562429")},
      {"sin-3", Result("-0.0523359562429")},
      {"max(1,2,3)", Result("3")},
      // Every intermediate result is a 13-digit text.
      {"0.1+0.2", Result("0.3")},
      {"1/3*3", Result("0.9999999999999")},
  });
}

TEST(CalcCliCases, EvaluationFailures) {
  CheckAll({
      {"(1,2)+3", Message(kComma)},
      {"1,2", Message(kComma)},
      {"1+", Message(kMissingOperand)},
      // The sign stays binary before a leading point or a name.
      {"-.5", Message(kMissingOperand)},
      {"-sin(1)", Message(kMissingOperand)},
      {"1/0", Message("  [运算错误]_除法运算错误！")},
      {"-()", Message("  [运算错误]_~函数参数不能为空！")},
      {"2%(3)", Message("  [表达式错误]_表达式无法完整计算，因为缺少必要的运算符！")},
  });
}

TEST(CalcCliCases, IntegerDivisionPowerAndRoot) {
  CheckAll({
      {"7\\2", Result("3")},       {"-7\\2", Result("-3")},
      {"7.5\\2.5", Result("3")},   {"7\\0", Message("  [运算错误]_求余运算错误！")},
      {"2^10", Result("1024")},    {"2^-1", Result("0.5")},
      {"(-8)^2", Result("64")},    {"2^0.5", Result("1.414213562373")},
      {"0^-1", Message(kPower)},   {"(-8)^0.5", Message(kPower)},
      {"10^400", Message(kPower)}, {"4√27", Result("2.279507056955")},
      {"2|16", Result("4")},       {"2|16|2", Result("1.189207115003")},
      {"√16", Result("4")},        {"|16", Result("4")},
      {"3|-8", Message(kRoot)},    {"0|5", Message(kRoot)},
      {"0|0.5", Result("0")},
  });
}

TEST(CalcCliCases, PostfixOperators) {
  CheckAll({
      {"5!", Result("120")},
      {"1!", Result("1")},
      {"150!", Result("5.713383956446×10^262")},
      {"3.00000001!", Result("6")},
      {"(1+2)!", Result("6")},
      {"2^3!", Result("64")},
      {"0!", Message(kFactorial)},
      {"151!", Message(kFactorial)},
      {"2.5!", Message(kFactorial)},
      // The negation binds first, so -3 is refused.
      {"-3!", Message(kFactorial)},
      {"50%", Result("0.5")},
      {"5*50%", Result("2.5")},
      {"2*30%", Result("0.6")},
      {"(2+3)%", Result("0.05")},
      {"500‰", Result("0.5")},
  });
}

TEST(CalcCliCases, TrigonometryFollowsTheAngleUnit) {
  CheckAll({
      {"sin30", Result("0.5")},
      {"cos60", Result("0.5")},
      {"tan45", Result("1")},
      {"sin180", Result("1.224646799147×10^-016")},
      {"tan90", Result("1.63312393532×10^016")},
      {"asin0.5", Result("30")},
      {"acos0.5", Result("60")},
      {"atan1", Result("45")},
      {"asin1", Result("90")},
      {"sin30+5", Result("5.5")},
      {"sin(30+5)", Result("0.573576436351")},
      {"5sin2", Result("0.1744974835125")},
      {"sin(π÷2)", Result("1"), kRadians},
      {"acos(0)", Result("1.570796326795"), kRadians},
      {"asin2", Message("  [运算错误]_正弦值只能在-1～1之间！")},
      {"acos(-1.5)", Message("  [运算错误]_余弦值只能在-1～1之间！")},
  });
}

TEST(CalcCliCases, OneArgumentFunctions) {
  CheckAll({
      {"sqr16", Result("4")},
      {"sqr(-4)", Message("  [运算错误]_平方根运算错误或溢出！")},
      {"sinh(1000)", Message("  [运算错误]_sinh函数运算错误！")},
      {"tanh(1000)", Message("  [运算错误]_tanh函数运算错误！")},
      {"int(2.7)", Result("2")},
      {"int(-2.7)", Result("-2")},
      {"int(2.9999999999999)", Result("3")},
      // Away from zero by the sign of the value itself.
      {"int(-0.9999999999999)", Result("-1")},
      // No 32-bit limit.
      {"int(10^10+0.5)", Result("10000000000")},
      {"int(0-10^10-0.5)", Result("-10000000000")},
      {"abs(-3)", Result("3")},
      {"lg1000", Result("3")},
      {"ln(e)", Result("1")},
      {"exp(1)", Result("2.718281828459")},
      {"sin()", Message("  [运算错误]_sin函数参数不能为空！")},
      {"sin(1,2)", Message("  [运算错误]_为sin函数提供过多的参数，函数参数必须为1个！")},
  });
}

TEST(CalcCliCases, ListFunctions) {
  CheckAll({
      {"log(2,8)", Result("3")},
      {"log(8)", Message("  [运算错误]_求log函数参数数量必须为2！")},
      {"max(3,9,2)", Result("9")},
      {"min(3,9,2)", Result("2")},
      {"sum(1,2,3.5)", Result("6.5")},
      {"max(5)", Result("5")},
      {"max()", Message("  [运算错误]_求max函数参数不能为空！")},
      {"if(2,10,20,30)", Result("20")},
      {"if(3,10,20,30)", Result("30")},
      {"if(1,10,20)", Result("10")},
      {"if(4,10,20,30)", Message(kIfSelector)},
      {"if(0,10,20)", Message(kIfSelector)},
      {"if(3,10,20)", Message(kIfSelector)},
      {"tjfx(2,4,8)", Result("8")},
      {"tjfx(5,1,2,3,4)", Result("2.5")},
      {"tjfx(6,2,4,4,4,5,5,7,9)", Result("4.571428571429")},
      {"tjfx(9,1,2,3,4)", Result("2.5")},
      {"tjfx(9,5,1,3,2)", Result("2.5")},
      {"tjfx(9,5,1,3)", Result("3")},
      {"tjfx(10,1,2)", Message(kTjfxSelector)},
      {"tjfx(0,1,2)", Message(kTjfxSelector)},
      {"tjfx(1)", Message("  [运算错误]_求tjfx函数参数数量必须大于等于2！")},
  });
}

TEST(CalcCliCases, NonFiniteValuesStayVisible) {
  CheckAll({
      {"ln(0)", Result("-inf")},
      {"exp(1000)", Result("inf")},
      {"ln(-1)", Result("nan")},
      // Variance of a single value: 0 / 0.
      {"tjfx(6,5)", Result("nan")},
      // Never rounded, padded or grouped.
      {"ln(0)", Result("-inf"), {"decimalRounding=false", "thousandsSeparator=2"}},
      // Read back as what it is, so the next checked operator fails.
      {"ln(0)+1", Message("  [运算错误]_加法运算错误或溢出！")},
      {"ln(-1)!", Message(kFactorial)},
      {"exp(1000)!", Message(kFactorial)},
  });
}

TEST(CalcCliCases, ResultFormattingWithDefaults) {
  CheckAll({
      {"1+1", Result("2")},
      {"1÷3", Result("0.3333333333333")},
      {"2÷3", Result("0.6666666666667")},
      {"12345678901234*1", Result("1.234567890123×10^013")},
      {"10^20", Result("1×10^020")},
      {"1÷100000", Result("1×10^-005")},
      {"1÷10000", Result("0.0001")},
      {"9999999999999*1", Result("9999999999999")},
      {"1+1=", Result("2")},
      {"(5)", Result("5")},
      {"pi", Result("3.14159265359")},
      {".5", Result("0.5")},
      {"-5.0", Result("-5")},
      // One number in the form the evaluation leaves it: nothing to calculate.
      {"5", Message(kBareNumber)},
      {"0.25", Message(kBareNumber)},
      {"5.0", Message(kBareNumber)},
      {"-5", Message(kBareNumber)},
  });
}

TEST(CalcCliCases, ResultFormattingFollowsPrecisionAndGrouping) {
  const Settings twoRounded{"precisionDigits=2"};
  const Settings twoPadded{"precisionDigits=2", "decimalRounding=false"};
  const Settings comma{"thousandsSeparator=2"};
  CheckAll({
      {"2÷3", Result("0.67"), twoRounded},
      {"1+1", Result("2"), twoRounded},
      {"2.675*1", Result("2.68"), twoRounded},
      {"1.005*1", Result("1.01"), twoRounded},
      {"0.125*1", Result("0.13"), twoRounded},
      {"-2.5*1", Result("-3"), {"precisionDigits=0"}},
      {"2÷3", Result("0.67"), twoPadded},
      {"1+1", Result("2.00"), twoPadded},
      {"2.5*1", Result("2.50"), twoPadded},
      {"1+1", Result("2.0000000000000"), {"decimalRounding=false"}},
      {"1234567.891*1", Result("1,234,567.891"), comma},
      {"-1234567*1", Result("-1,234,567"), comma},
      {"-1234*1", Result("-1,234"), comma},
      {"123*1", Result("123"), comma},
      {"10^20", Result("1×10^020"), comma},
      {"1234567*1", Result("1;234;567"), {"thousandsSeparator=1"}},
  });
}

}  // namespace
}  // namespace tabulex
