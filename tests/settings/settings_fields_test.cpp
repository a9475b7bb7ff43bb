#include "settings/settings_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

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

// The shell completion offers these names after --set: each must be one --set takes.
TEST(SettingFieldNames, ListsEveryNameOnceAndOnlyNamesThatCanBeSet) {
  const std::vector<std::string> names = SettingFieldNames();
  std::set<std::string> seen;
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    CalcSettings s;
    EXPECT_FALSE(SetSettingField(s, name, "0"));
    EXPECT_TRUE(seen.insert(name).second) << "listed twice";
  }
  for (const char* documented : {"fractionDisplay", "precisionDigits", "decimalRounding",
                                 "thousandsSeparator", "angleUnit", "spaceSeparates"}) {
    SCOPED_TRACE(documented);
    EXPECT_TRUE(seen.contains(documented));
  }
}

}  // namespace
}  // namespace tabulex
