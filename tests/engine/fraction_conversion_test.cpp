#include "engine/fraction_conversion.h"

#include <gtest/gtest.h>

#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::CalcHarness;
using testing::Status;

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
