#include "settings/settings_fields.h"

#include <gtest/gtest.h>

namespace tabulex {
namespace {

TEST(SetSettingField, SetsFieldsByNameFromText) {
  CalcSettings s;
  EXPECT_FALSE(SetSettingField(s, "fractionDisplay", "1"));
  EXPECT_FALSE(SetSettingField(s, "decimalRounding", "假"));
  EXPECT_FALSE(SetSettingField(s, "spaceSeparates", "true"));
  EXPECT_FALSE(SetSettingField(s, "precisionDigits", "-3"));
  EXPECT_FALSE(SetSettingField(s, "runCount", "9000000000"));
  EXPECT_EQ(s.fractionDisplay, 1);
  EXPECT_FALSE(s.decimalRounding);
  EXPECT_TRUE(s.spaceSeparates);
  EXPECT_EQ(s.precisionDigits, -3);
  EXPECT_EQ(s.runCount, 9000000000);
}

TEST(SetSettingField, RefusesUnknownFieldsAndBadValues) {
  CalcSettings s;
  for (const auto& [name, value] : std::vector<std::pair<const char*, const char*>>{
           {"fractionDisplays", "1"},
           {"fractionDisplay", "1.5"},
           {"fractionDisplay", ""},
           {"fractionDisplay", "3000000000"},
           {"decimalRounding", "yes"},
           {"spaceSeparates", "真的"},
       }) {
    SCOPED_TRACE(std::string(name) + "=" + value);
    EXPECT_TRUE(SetSettingField(s, name, value));
  }
  EXPECT_EQ(s.fractionDisplay, 0);
}

}  // namespace
}  // namespace tabulex
