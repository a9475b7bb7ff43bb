#include "engine/fraction_operand.h"

#include <gtest/gtest.h>

#include "engine/gbk_text.h"
#include "support/calc_harness.h"

namespace tabulex {
namespace {

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

}  // namespace
}  // namespace tabulex
