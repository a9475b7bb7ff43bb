#include "engine/recalculation.h"

#include <gtest/gtest.h>

#include "support/calc_harness.h"

namespace tabulex {
namespace {

using testing::CalcHarness;
using testing::Status;

const std::string kSuccess = Status("提示", "重算成功！");
const std::string kFailure = Status("提示", "重算失败,请重新检查表达式再重算！");

struct Row {
  const char* before;  // "▮" marks the caret
  const char* after;
  std::string status;
};

void Check(CalcHarness& h, const Row& row) {
  SCOPED_TRACE(row.before);
  h.status.messages.clear();
  h.Load(row.before);
  RecalculateLine(h.Context());
  EXPECT_EQ(h.Shown(), row.after);
  EXPECT_EQ(h.LastStatus(), row.status);
  EXPECT_FALSE(h.state.extractRequest);
}

TEST(RecalculateLine, RecomputesEveryStepOfTheChain) {
  CalcHarness h;
  for (const Row& row : {
           Row{"15+4=18+5=23", "15+4=19+5=24▮", kSuccess},
           Row{"15+4=18▮+5=23", "15+4=19+5=24▮", kSuccess},
           Row{"x\r\n15+4=18+5=23▮\r\ny", "x\r\n15+4=19+5=24▮\r\ny", kSuccess},
           Row{"2*3=6", "2*3=6▮", kSuccess},
           Row{"▮2 * 3 = 7", "2*3=6▮", kSuccess},
           Row{"1∟2+1∟4=3∟4+1=1∟3∟4", "1∟2+1∟4=0.75+1=1.75▮", kSuccess},
           Row{"-1+2=-9*2=-18", "-1+2=1*2=2▮", kSuccess},
           Row{"1+1=2apples", "1+1=2apples▮", kSuccess},  // a note after the last result stays
           Row{"1+2=5", "1+2=3▮", kSuccess},
           // A step without a result leaves its part, and the next part follows it.
           Row{"3=1+2=3", "3+2=5▮", kSuccess},
       }) {
    Check(h, row);
  }
}

TEST(RecalculateLine, LinesWithoutAStepAreOnlyTidied) {
  CalcHarness h;
  for (const Row& row : {
           Row{"1 + 2", "1+2▮", ""},
           Row{"2=", "2=▮", ""},
           Row{"", "▮", ""},
           Row{"  ", "  ▮", ""},
       }) {
    Check(h, row);
  }
}

TEST(RecalculateLine, ALastStepThatFailsPutsTheLineBack) {
  CalcHarness h;
  for (const Row& row : {
           Row{"1/0=5", "1/0=5▮", kFailure},
           Row{"1+2=3+x=7", "1+2=3+x=7▮", kFailure},
           Row{"(1+2=3", "(1+2=3▮", kFailure},
       }) {
    Check(h, row);
  }
}

TEST(RecalculateLine, EveryStepIsACalculationWithItsOptions) {
  CalcHarness h;
  h.settings.newLineAfterCalc = true;
  Check(h, {"15+4=18+5=23", "15+4=19\r\n+5=5\r\n▮", kSuccess});
  ASSERT_EQ(h.state.accumulatorList.size(), 2u);
  EXPECT_EQ(h.state.accumulatorList[0].result, "19");
}

TEST(RecalculateLine, SpaceSeparatedExpressionsAreRecalculatedOneAtATime) {
  CalcHarness h;
  h.settings.spaceSeparates = true;
  Check(h, {"1+2=3   4*6=▮20", "1+2=3   4*6=24▮", kSuccess});
  Check(h, {"1+2=4▮   4*6=20", "1+2=3▮   4*6=20", kSuccess});
}

}  // namespace
}  // namespace tabulex
