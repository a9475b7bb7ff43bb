#include "engine/line_calculator.h"

#include <gtest/gtest.h>

#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::CalcHarness;

TEST(LineCalculator, TheExtractionRequestTakesTheLineOut) {
  const struct {
    bool spaceSeparates;
    const char* before;
    const char* extracted;
    const char* after;
  } rows[] = {
      {false, "15+4 = 18+5=23▮", "15+4=18+5=23", "▮"},
      {false, "x\r\n  1 + 2▮  \r\ny", "1+2", "x\r\n  ▮  \r\ny"},
      {false, "", "", "▮"},
      {true, "1+2   3+4▮", "3+4", "1+2   ▮"},
      {true, "1+2▮   3+4", "1+2", "▮   3+4"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before);
    CalcHarness h;
    h.settings.spaceSeparates = row.spaceSeparates;
    h.Load(row.before);
    h.state.extractRequest = true;
    EXPECT_FALSE(LineCalculator(h.Context()).Run());
    EXPECT_FALSE(h.state.extractRequest);
    EXPECT_EQ(GbkToUtf8(h.state.extractedLine), row.extracted);
    EXPECT_EQ(h.Shown(), row.after);
    EXPECT_TRUE(h.status.messages.empty());
  }
}

TEST(LineCalculator, EvaluationReachedIsSetOnlyByRunsThatReadTheirWholeQueue) {
  CalcHarness h;
  h.Calculate("1@0");
  h.Calculate("1/0");
  EXPECT_FALSE(h.state.evaluationReached);
  h.Calculate("5");
  EXPECT_TRUE(h.state.evaluationReached);
}

TEST(CutExpression, TakesWhatFollowsTheLastEquals) {
  const struct {
    const char* lineText;
    const char* expression;
  } rows[] = {{"15+3", "15+3"},
              {"15+3=18+5", "18+5"},
              {"价格=0.3+0.5", "0.3+0.5"},
              {"1+2=", "1+2="},
              {"a=1+2=", "1+2="},
              {"1+2==", ""},
              {"=", ""},
              {"", ""}};
  for (const auto& row : rows) {
    EXPECT_EQ(GbkToUtf8(CutExpression(Utf8ToGbk(row.lineText))), row.expression) << row.lineText;
  }
}

}  // namespace
}  // namespace tabulex
