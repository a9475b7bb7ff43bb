#include "engine/decimal_to_fraction.h"

#include <gtest/gtest.h>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

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

}  // namespace
}  // namespace tabulex
