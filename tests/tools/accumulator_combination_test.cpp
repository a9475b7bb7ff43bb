#include "tools/accumulator_combination.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex::testing {
namespace {

std::string ItemOf(const AccumulatorEntry& entry) {
  return GbkToUtf8(AccumulatorItemText(entry));
}

std::string Combined(const AccumulatorList& list, const std::vector<int>& serials,
                     AccumulatorOperation operation) {
  const std::optional<std::string> expression = CombineAccumulatorResults(list, serials, operation);
  return expression ? GbkToUtf8(*expression) : "(nothing)";
}

// The entries as the calculation records them: the expression ends with its sentinel space.
AccumulatorList ThreeEntries() {
  return {{1, "1+2 ", "3"}, {2, Utf8ToGbk("3×4 "), "12"}, {3, "", "-0.5"}};
}

TEST(AccumulatorItemTextTest, ListsExpressionAndResultOrTheBareNumber) {
  CalcHarness calc;
  calc.Calculate("1+2");
  calc.Calculate("3×4");
  calc.Calculate("5");
  ASSERT_EQ(calc.state.accumulatorList.size(), 3u);
  EXPECT_EQ(ItemOf(calc.state.accumulatorList[0]), "1+2=3");
  EXPECT_EQ(ItemOf(calc.state.accumulatorList[1]), "3×4=12");
  EXPECT_EQ(ItemOf(calc.state.accumulatorList[2]), "5");
}

struct CombineCase {
  AccumulatorOperation operation;
  std::vector<int> serials;
  const char* expression;
};

const CombineCase kCombineCases[] = {
    {AccumulatorOperation::Sum, {1, 2}, "3+12"},
    {AccumulatorOperation::Sum, {2, 1}, "12+3"},  // the right list's order, not the serials'
    {AccumulatorOperation::Sum, {3}, "-0.5"},
    {AccumulatorOperation::Product, {2, 1}, "12×3"},
    {AccumulatorOperation::Average, {2}, "(12)÷1"},
    {AccumulatorOperation::Maximum, {1}, "max(3)"},
    {AccumulatorOperation::Minimum, {3, 1}, "min(-0.5，3)"},
};

TEST(CombineAccumulatorResultsTest, WritesEachOperation) {
  for (const CombineCase& row : kCombineCases) {
    SCOPED_TRACE(row.expression);
    EXPECT_EQ(Combined(ThreeEntries(), row.serials, row.operation), row.expression);
  }
}

TEST(CombineAccumulatorResultsTest, SkipsEntriesTheListNoLongerHolds) {
  const AccumulatorList two = {{1, "1+2 ", "3"}, {2, Utf8ToGbk("3×4 "), "12"}};
  EXPECT_EQ(Combined(two, {3, 1, 0, 2, -1}, AccumulatorOperation::Sum), "3+12");
  // The average divides by the results actually used.
  EXPECT_EQ(Combined(two, {1, 7, 2}, AccumulatorOperation::Average), "(3+12)÷2");
  EXPECT_EQ(Combined(two, {}, AccumulatorOperation::Sum), "(nothing)");
  EXPECT_EQ(Combined({}, {1, 2}, AccumulatorOperation::Sum), "(nothing)");
}

struct WriteCase {
  const char* text;  // "▮" marks the caret
  const char* shown;
};

const WriteCase kWriteCases[] = {
    {"1+2=3▮\r\n3×4=12\r\nx", "1+2=3\r\n3+12=15▮\r\n3×4=12\r\nx"},
    {"1+2=3\r\n▮3×4=12", "1+2=3\r\n3×4=12\r\n3+12=15▮\r\n"},
    {"1+2=3\r\n3×4=12▮", "1+2=3\r\n3×4=12\r\n3+12=15▮\r\n"},
    {"▮", "\r\n3+12=15▮\r\n"},
};

TEST(CalculateAccumulatorCombinationTest, WritesTheCombinationBelowTheCaretsLineAndCalculates) {
  for (const WriteCase& row : kWriteCases) {
    SCOPED_TRACE(row.text);
    CalcHarness calc;
    calc.Calculate("1+2");
    calc.Calculate("3×4");
    calc.Load(row.text);
    const std::vector<int> both = {1, 2};
    EXPECT_TRUE(CalculateAccumulatorCombination(calc.Context(), both, AccumulatorOperation::Sum));
    EXPECT_EQ(calc.Shown(), row.shown);
    EXPECT_EQ(calc.LastStatus(), Status("运算完成", "用时 0 秒"));
    ASSERT_EQ(calc.state.accumulatorList.size(), 3u);
    EXPECT_EQ(ItemOf(calc.state.accumulatorList[2]), "3+12=15");
  }
}

struct CalculatedCase {
  AccumulatorOperation operation;
  const char* line;
};

const CalculatedCase kCalculatedCases[] = {
    {AccumulatorOperation::Product, "3×12×-0.5=-18"},
    {AccumulatorOperation::Average, "(3+12+-0.5)÷3=4.833333333333"},
    {AccumulatorOperation::Maximum, "max(3，12，-0.5)=12"},
    {AccumulatorOperation::Minimum, "min(3，12，-0.5)=-0.5"},
};

TEST(CalculateAccumulatorCombinationTest, EveryOperationIsCalculated) {
  for (const CalculatedCase& row : kCalculatedCases) {
    SCOPED_TRACE(row.line);
    CalcHarness calc;
    calc.state.accumulatorList = ThreeEntries();
    calc.Load("");
    const std::vector<int> all = {1, 2, 3};
    EXPECT_TRUE(CalculateAccumulatorCombination(calc.Context(), all, row.operation));
    EXPECT_EQ(calc.Shown(), "\r\n" + std::string(row.line) + "▮\r\n");
  }
}

TEST(CalculateAccumulatorCombinationTest, LeavesTheEditorAloneWhenNothingIsLeft) {
  CalcHarness calc;
  calc.Calculate("1+2");
  calc.state.accumulatorList.clear();
  calc.Load("a▮b");
  const std::vector<int> gone = {1};
  EXPECT_FALSE(CalculateAccumulatorCombination(calc.Context(), gone, AccumulatorOperation::Sum));
  EXPECT_EQ(calc.Shown(), "a▮b");
  EXPECT_TRUE(calc.state.accumulatorList.empty());
}

}  // namespace
}  // namespace tabulex::testing
