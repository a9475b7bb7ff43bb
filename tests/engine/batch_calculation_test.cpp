#include "engine/batch_calculation.h"

#include <gtest/gtest.h>

#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::CalcHarness;
using testing::Status;

const std::string kDone = Status("运算完成", "用时 0 秒");

std::string Batch(CalcHarness& h, const std::string& text) {
  h.Load(text + "▮");
  BatchCalculate(h.Context());
  EXPECT_EQ(h.buffer.Caret(), std::min<std::size_t>(1, h.buffer.Length()));
  return GbkToUtf8(h.buffer.Text());
}

TEST(BatchCalculate, CalculatesEveryLine) {
  CalcHarness h;
  EXPECT_EQ(Batch(h, "1+1\r\n2*3\r\nx\r\n4^2"), "1+1=2\r\n2*3=6\r\nx\r\n4^2=16");
  EXPECT_EQ(h.LastStatus(), kDone);
  EXPECT_EQ(GbkToUtf8(h.status.messages[2]), Status("表达式错误", "有不可识别的字符！"));
  EXPECT_EQ(Batch(h, "\r\n1+1\r\n\r\n1+2=3\r\n  \r\n5"), "\r\n1+1=2\r\n\r\n1+2=3\r\n  \r\n5");
  EXPECT_EQ(Batch(h, ""), "");
}

TEST(BatchCalculate, TheEmptyLineAfterAFinalLineBreakIsNotCalculated) {
  CalcHarness h;
  EXPECT_EQ(Batch(h, "1+1\r\n2*3\r\n"), "1+1=2\r\n2*3=6\r\n");
  EXPECT_EQ(h.state.accumulatorList.size(), 2u);
  EXPECT_EQ(h.LastStatus(), kDone);
  // Taken again, a fraction or a power of ten would be written a second time.
  h.settings.fractionDisplay = 1;
  EXPECT_EQ(Batch(h, "1∟2+1∟4\r\n10^20\r\n"), "1∟2+1∟4=3∟4\r\n10^20=1×10^020\r\n");
  h.settings.spaceSeparates = true;
  EXPECT_EQ(Batch(h, "1∟2+1∟4 1∟3\r\n"), "1∟2+1∟4=3∟4   1∟3=1∟3\r\n");
}

TEST(BatchCalculate, SpaceSeparatedExpressions) {
  CalcHarness h;
  h.settings.spaceSeparates = true;
  EXPECT_EQ(Batch(h, "1+2   3*4\r\n5-1"), "1+2=3   3*4=12\r\n5-1=4");
  EXPECT_EQ(Batch(h, "1+2 3*4  5"), "1+2=3   3*4=12   5");
  EXPECT_EQ(Batch(h, "  1+2\r\n\r\n 价格=3+4 x 9-1"), "  1+2=3\r\n\r\n 价格=3+4=7   x 9-1=8");
}

TEST(BatchCalculate, CoversTheWholeTextHoweverManyExpressionsItHolds) {
  CalcHarness h;
  h.settings.spaceSeparates = true;
  std::string text;
  std::string expected;
  for (int i = 0; i < 6000; ++i) {
    text += i == 0 ? "1+1" : "   1+1";
    expected += i == 0 ? "1+1=2" : "   1+1=2";
  }
  EXPECT_EQ(Batch(h, text), expected);
}

TEST(BatchCalculate, OptionsAfterAResultApplyToEveryLine) {
  CalcHarness h;
  h.settings.newLineAfterCalc = true;
  EXPECT_EQ(Batch(h, "1+1\r\n2+2"), "1+1=2\r\n\r\n2+2=4\r\n");
  h.settings.newLineAfterCalc = false;
  h.settings.newLinePasteResult = true;
  EXPECT_EQ(Batch(h, "1+1\r\n2+2"), "1+1=2\r\n2\r\n2+2=4\r\n4");
  h.settings.spaceSeparates = true;
  EXPECT_EQ(Batch(h, "1+1 2+2"), "1+1=2\r\n2   2+2=4\r\n4");
}

}  // namespace
}  // namespace tabulex
