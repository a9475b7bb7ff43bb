#include <gtest/gtest.h>

#include "engine/decimal_to_fraction.h"
#include "engine/fraction_operand.h"
#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::CalcHarness;
using testing::Status;

TEST(FractionOperandValue, ValuesAndRefusals) {
  const struct {
    const char* token;
    double value;
  } values[] = {{"1/3", 1.0 / 3}, {"2/1/4", 2.25}, {"2/5/4", 3.25}, {"1//4", 1},
                {"1/2/", 0.5},    {"/2", 0},       {"1.5/2", 0.75}};
  for (const auto& row : values) {
    SCOPED_TRACE(row.token);
    const auto out = FractionOperandValue(row.token, OperandStyle::Plain);
    ASSERT_TRUE(out.ok());
    EXPECT_DOUBLE_EQ(out.value().value, row.value);
    EXPECT_EQ(out.value().style, OperandStyle::FractionInput);
  }
  EXPECT_EQ(FractionOperandValue("1/2", OperandStyle::DecimalInput).value().style,
            OperandStyle::DecimalInput);

  const std::string zero = Status("表达式错误", "输入的分数格式错误,分母不能为零！");
  const std::string missing = Status("表达式错误", "输入的分数格式错误,缺少分母或分子！");
  const struct {
    const char* token;
    const std::string& message;
  } refusals[] = {{"1/0", zero},
                  {"1/2/0", zero},
                  {"1/0.00000001", zero},
                  {"3/", missing},
                  {"1/2/3/4", missing}};
  for (const auto& row : refusals) {
    SCOPED_TRACE(row.token);
    const auto out = FractionOperandValue(row.token, OperandStyle::Plain);
    ASSERT_FALSE(out.ok());
    EXPECT_EQ(GbkToUtf8(out.message()), row.message);
  }
}

TEST(DecimalToFractionText, WritesFractionsWithinTheDigitLimits) {
  const CalcSettings settings;
  const struct {
    const char* text;
    FractionForm form;
    const char* shown;
  } rows[] = {
      {"0.75", FractionForm::Improper, "3∟4"},
      {"2.25", FractionForm::Improper, "9∟4"},
      {"2.25", FractionForm::Mixed, "2∟1∟4"},
      {"-0.5", FractionForm::Improper, "-1∟2"},
      {"-2.25", FractionForm::Mixed, "-2∟1∟4"},
      {"0.1428571428571", FractionForm::Improper, "1∟7"},
      {"1.414213562373", FractionForm::Improper, "1.414213562373"},
      {"0.0001", FractionForm::Improper, "1∟10000"},
      {"1234567.5", FractionForm::Improper, "2469135∟2"},
      {"1234567.5", FractionForm::Mixed, "1234567.5"},         // 7 + 1 + 1 digits
      {"123456789.5", FractionForm::Improper, "123456789.5"},  // nine-digit whole part
      {"-12345678.5", FractionForm::Improper, "-12345678.5"},  // eight digits and the sign
      {"12345.25", FractionForm::Improper, "49381∟4"},
      // At 13 significant digits a third with a whole part of three digits is too coarse to
      // lie within 10^-12 of 1/3.
      {"123.3333333333", FractionForm::Improper, "123.3333333333"},
      {"0.9999999999999", FractionForm::Mixed, "2∟2"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(GbkToUtf8(DecimalToFractionText(row.text, row.form, settings)), row.shown);
  }
}

TEST(FractionConversion, CyclesDecimalFractionMixedFraction) {
  CalcHarness h;
  const struct {
    const char* before;
    const char* after;
  } rows[] = {
      {"1+0.5=1.5", "1+0.5=3∟2▮"},
      {"1+0.5=3∟2", "1+0.5=1∟1∟2▮"},
      {"1+0.5=1∟1∟2", "1+0.5=1.5▮"},
      {"1÷4=0.25", "1÷4=1∟4▮"},
      {"1÷4=1∟4", "1÷4=0.25▮"},  // below 1 there is no mixed form
      {"0-0.5=-0.5", "0-0.5=-1∟2▮"},
      {"1+2=3", "1+2=3▮"},  // an integer stays as it is
      {"15+3=18+5.5=23.5", "15+3=18+5.5=47∟2▮"},
      {"1+0.5=1.5▮\r\n2+2=4", "1+0.5=3∟2▮\r\n2+2=4"},
      {"1+0.5=1.5  ", "1+0.5=3∟2▮  "},
      {"√2=1.414213562373", "√2=1.414213562373▮"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before);
    h.status.messages.clear();
    h.Convert(row.before);
    EXPECT_EQ(h.Shown(), row.after);
    EXPECT_EQ(h.LastStatus(), "");
    EXPECT_EQ(h.state.conversionStep, 0);
  }
}

TEST(FractionConversion, LeavesTypedNumbersAloneAndRefusesWhatIsNoResult) {
  CalcHarness h;
  const struct {
    const char* before;
    bool spaceSeparates;
    std::string message;
  } rows[] = {
      {"0.5", false, ""},
      {"1+1\r\n0.5", false, ""},
      {"   1.5", false, ""},    // only spaces before it: never lost
      {"1+2   1.5", true, ""},  // a segment of its own
      {"１２", false, ""},      // full-width digits are shorter once read
      {"1 000", false, ""},
      {"x\r\n 1 000 000", false, ""},
      {"1+1=0.５", false, ""},
      {"1+2", false, Status("分数转换不能完成请求", "请先计算再转换！")},
      {"10^20=1×10^020", false, Status("分数转换不能完成请求", "请先计算再转换！")},
      {"1+1=1∟2∟3∟4", false, Status("分数转换不能完成请求", "分数格式错误！")},
      {"", false, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before);
    h.status.messages.clear();
    h.settings.spaceSeparates = row.spaceSeparates;
    h.Convert(row.before);
    EXPECT_EQ(h.Shown(), std::string(row.before) + "▮");
    EXPECT_EQ(h.LastStatus(), row.message);
    EXPECT_EQ(h.state.accumulatorList.size(), 0u);
  }
}

TEST(FractionConversion, ASecondStepThatFailsLeavesTheLineWithoutItsOldResult) {
  CalcHarness h;
  h.Convert("1+x=2");
  EXPECT_EQ(h.Shown(), "1+x▮");
  EXPECT_EQ(h.LastStatus(), Status("表达式错误", "有不可识别的字符！"));
  EXPECT_EQ(h.state.conversionStep, 0);
}

TEST(FractionConversion, ResultsOfFractionInputFollowTheDisplaySetting) {
  CalcHarness h;
  h.settings.fractionDisplay = 1;
  const struct {
    const char* line;
    const char* after;
  } rows[] = {
      {"1∟3+1∟3", "1∟3+1∟3=2∟3▮"},
      {"1∟3", "1∟3=1∟3▮"},  // a calculation: the operand text is 0.3333333333333
      {"2∟1∟4*4", "2∟1∟4*4=9▮"},
      {"1∟2+1∟4", "1∟2+1∟4=3∟4▮"},
      {"0.5+0.25", "0.5+0.25=0.75▮"},
      {"1/2+1/4", "1/2+1/4=0.75▮"},
      {"123456789∟1∟2+0", "123456789∟1∟2+0=123456789.5▮"},
      {"1234567∟1∟2+0", "1234567∟1∟2+0=2469135∟2▮"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    h.Calculate(row.line);
    EXPECT_EQ(h.Shown(), row.after);
  }
  h.settings.fractionDisplay = 2;
  h.Calculate("1∟2+1∟4");
  EXPECT_EQ(h.Shown(), "1∟2+1∟4=0.75▮");
  h.Calculate("2∟1∟4+1");
  EXPECT_EQ(h.Shown(), "2∟1∟4+1=3∟1∟4▮");
  h.Calculate("1234567∟1∟2+0");
  EXPECT_EQ(h.Shown(), "1234567∟1∟2+0=1234567.5▮");
  h.Calculate("1∟3+0");
  EXPECT_EQ(h.Shown(), "1∟3+0=0.3333333333333▮");
  h.settings.fractionDisplay = 0;
  h.Calculate("1∟3");
  EXPECT_EQ(h.Shown(), "1∟3=0.3333333333333▮");
}

}  // namespace
}  // namespace tabulex
