#include "engine/calculate_current_line.h"

#include <gtest/gtest.h>

#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::CalcHarness;
using testing::Status;

const std::string kDone = Status("运算完成", "用时 0 秒");
const std::string kBare = Status("提示", "没有可计算的表达式,值已加入累加器！");

struct Row {
  const char* before;  // "▮" marks the caret, else it stands at the end
  const char* after;
  std::string status;  // "" when no message is shown
};

void CheckRows(CalcHarness& h, std::initializer_list<Row> rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.before);
    h.status.messages.clear();
    h.Calculate(row.before);
    EXPECT_EQ(h.Shown(), row.after);
    EXPECT_EQ(h.LastStatus(), row.status);
    EXPECT_LE(h.status.messages.size(), 1u);
  }
}

TEST(CalculateCurrentLine, WritesTheResultBehindTheExpressionAfterTheLastEquals) {
  CalcHarness h;
  CheckRows(h, {
                   {"15+3", "15+3=18▮", kDone},
                   {"15+3=18+5", "15+3=18+5=23▮", kDone},
                   {"1+2=", "1+2=3▮", kDone},
                   {"a=1+2=", "a=1+2=3▮", kDone},
                   {"价格=0.3+0.5", "价格=0.3+0.5=0.8▮", kDone},
                   {"  1 + 2  ", "  1 + 2=3▮  ", kDone},
                   {"1+2　", "1+2=3▮　", kDone},
                   {"▮15+3", "15+3=18▮", kDone},
                   {"1+1\r\n2▮*3\r\n4", "1+1\r\n2*3=6▮\r\n4", kDone},
                   {"1+1\r\n▮2*3", "1+1\r\n2*3=6▮", kDone},
                   {"1+1▮\r\n2*3", "1+1=2▮\r\n2*3", kDone},
                   // On the empty last line the line before is taken, and its result lands
                   // at the end of the text.
                   {"1+2\r\n", "1+2\r\n=3▮", kDone},
               });
}

TEST(CalculateCurrentLine, NothingToCalculateChangesNothing) {
  CalcHarness h;
  h.status.ShowStatus("earlier");
  for (const char* line : {"", "  ", "1+2==", "=", "\r\n\r\n"}) {
    SCOPED_TRACE(line);
    h.Calculate(line);
    EXPECT_EQ(h.Shown(), std::string(line) + "▮");
    EXPECT_EQ(h.LastStatus(), "earlier");
  }
  EXPECT_TRUE(h.state.accumulatorList.empty());
}

TEST(CalculateCurrentLine, FailuresShowOneMessageAndLeaveTheLine) {
  CalcHarness h;
  h.settings.newLineAfterCalc = true;
  h.settings.newLinePasteResult = true;
  CheckRows(h,
            {
                {"1+", "1+▮", Status("表达式错误", "请检查操作符前后是否缺少操作数！")},
                {"x+1", "x+1▮", Status("表达式错误", "有不可识别的字符！")},
                // The label is cut at the ASCII "=" only.
                {"价格＝0.3+0.5", "价格＝0.3+0.5▮", Status("表达式错误", "有不可识别的汉字字符！")},
                {"5", "5▮", kBare},
                {"1+2=3", "1+2=3▮", kBare},
            });
  EXPECT_FALSE(h.state.resultWritten);
  EXPECT_EQ(h.state.lastResult, "");
}

TEST(CalculateCurrentLine, ABareNumberGoesToTheAccumulatorWithoutAnExpression) {
  CalcHarness h;
  h.Calculate("2*3");
  h.Calculate("5");
  h.Calculate("-5");
  ASSERT_EQ(h.state.accumulatorList.size(), 3u);
  const AccumulatorEntry& first = h.state.accumulatorList[0];
  EXPECT_EQ(first.serial, 1);
  EXPECT_EQ(first.expression, "2*3 ");
  EXPECT_EQ(first.result, "6");
  EXPECT_EQ(h.state.accumulatorList[1].serial, 2);
  EXPECT_EQ(h.state.accumulatorList[1].expression, "");
  EXPECT_EQ(h.state.accumulatorList[1].result, "5");
  EXPECT_EQ(h.state.accumulatorList[2].result, "-5");
  EXPECT_EQ(h.state.lastResult, "6");
}

TEST(CalculateCurrentLine, ElapsedTimeInSeconds) {
  CalcHarness h;
  h.ticks.step = 16;
  h.Calculate("1+1");
  EXPECT_EQ(h.LastStatus(), Status("运算完成", "用时 0.016 秒"));
}

TEST(CalculateCurrentLine, OptionsAfterAResultInTheOrderOfTheEnterSetting) {
  const struct {
    bool paste;
    bool newLine;
    bool enterInsertsNewLine;
    const char* after;
  } rows[] = {
      {true, false, false, "2*3=6\r\n6▮"},    {false, true, false, "2*3=6\r\n▮"},
      {true, true, false, "2*3=6\r\n6\r\n▮"}, {true, true, true, "2*3=6\r\n\r\n6▮"},
      {false, false, true, "2*3=6▮"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.after);
    CalcHarness h;
    h.settings.newLinePasteResult = row.paste;
    h.settings.newLineAfterCalc = row.newLine;
    h.settings.enterInsertsNewLine = row.enterInsertsNewLine;
    h.Calculate("2*3");
    EXPECT_EQ(h.Shown(), row.after);
    EXPECT_EQ(h.LastStatus(), kDone);
  }
}

TEST(CalculateCurrentLine, EnterOnTheNewEmptyLastLineTakesTheLineBeforeAgain) {
  CalcHarness h;
  h.settings.newLineAfterCalc = true;
  h.Calculate("2*3");
  ASSERT_EQ(h.Shown(), "2*3=6\r\n▮");
  CalculateCurrentLine(h.Context());
  EXPECT_EQ(h.Shown(), "2*3=6\r\n▮");
  EXPECT_EQ(h.LastStatus(), kBare);
  EXPECT_EQ(h.state.accumulatorList.back().result, "6");
}

TEST(CalculateCurrentLine, ResultToClipboardCopiesTheResultWithoutEquals) {
  CalcHarness h;
  h.Calculate("2*3");
  EXPECT_TRUE(h.clipboard.texts.empty());
  h.settings.resultToClipboard = true;
  h.Calculate("2*3");
  h.Calculate("5");
  EXPECT_EQ(h.clipboard.texts, std::vector<std::string>{"6"});
}

TEST(CalculateCurrentLine, SpaceSeparatedExpressions) {
  CalcHarness h;
  h.settings.spaceSeparates = true;
  CheckRows(h, {
                   {"1+2   3+4", "1+2   3+4=7▮", kDone},
                   {"1+2▮   3+4", "1+2=3▮   3+4", kDone},
                   {"1+2▮ 3+4", "1+2=3▮   3+4", kDone},
                   {"1▮+2  3+4", "1+2=3▮   3+4", kDone},
                   {"1+2   3▮+4   5*6", "1+2   3+4=7▮   5*6", kDone},
                   {"价格=1+2▮ 3", "价格=1+2=3▮   3", kDone},
                   {"1+2   ", "1+2   ▮", ""},
               });
}

}  // namespace
}  // namespace tabulex
