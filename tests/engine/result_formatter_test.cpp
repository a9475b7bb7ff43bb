#include "engine/result_formatter.h"

#include <gtest/gtest.h>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

TEST(ResultFormatter, PowerOfTenFormsBypassRoundingAndGrouping) {
  CalcSettings settings;
  settings.thousandsSeparator = 2;
  settings.precisionDigits = 2;
  settings.decimalRounding = false;
  const struct {
    const char* operand;
    const char* shown;
  } rows[] = {
      {"1e+020", "1×10^020"},
      {"-1.234567890123e+013", "-1.234567890123×10^013"},
      {"1.5e-007", "1.5×10^-007"},
      {"inf", "inf"},
      {"-inf", "-inf"},
      {"nan", "nan"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.operand);
    const FormattedResult result = ResultFormatter(
        ResultRequest{row.operand, OperandStyle::Plain, "x ", 0, 0, false}, settings);
    EXPECT_EQ(GbkToUtf8(result.shown), row.shown);
    EXPECT_EQ(GbkToUtf8(result.written), "=" + std::string(row.shown));
  }
}

TEST(ResultFormatter, ABareNumberIsTheOperandExactlyAsTheLineWroteIt) {
  const CalcSettings settings;
  const struct {
    const char* operand;
    const char* expressionText;
    int conversionStep;
    bool bare;
  } rows[] = {
      {"5", "5 ", 0, true},     {"0.25", "0.25 ", 0, true},
      {"5.0", "5.0 ", 0, true}, {"-5", "-5 ", 0, true},
      {"5", "+5 ", 0, false},   {"5", "(5) ", 0, false},
      {"5", "5 ", 2, false},    {"3.1415926535897932384", "pi ", 0, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expressionText);
    EXPECT_EQ(ResultFormatter(ResultRequest{row.operand, OperandStyle::Plain, row.expressionText,
                                            row.conversionStep, 0, false},
                              settings)
                  .bareNumber,
              row.bare);
  }
}

}  // namespace
}  // namespace tabulex
