#include "tools/unit_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

TEST(UnitTable, CategoriesInTheTabsOrderWithTheirUnits) {
  const struct {
    UnitCategory category;
    const char* name;
    const char* labels;  // UTF-8, "|" between units
  } rows[] = {
      {UnitCategory::Length, "长度",
       "米 m|千米 km|分米 dm|厘米 cm|毫米 mm|微米 um|纳米 nm|里|丈|尺|寸|英里 mi|码 yd|英尺 ft|"
       "英寸 in|海里 nmi"},
      {UnitCategory::Area, "面积", "平方米 m2|平方千米 km2|公顷 ha|亩|平方英尺 ft2|英亩 acre"},
      {UnitCategory::Volume, "体积", "立方米 m3|升 L|毫升 mL|美制加仑 gal"},
      {UnitCategory::Mass, "质量", "千克 kg|克 g|毫克 mg|吨 t|市斤|两|钱|磅 lb|盎司 oz"},
      {UnitCategory::Temperature, "温度", "摄氏度 °C|华氏度 °F|开尔文 K"},
      {UnitCategory::Speed, "速度", "米每秒 m/s|千米每小时 km/h|英里每小时 mph|节 kn"},
      {UnitCategory::Time, "时间", "秒 s|分钟 min|小时 h|天 d|周"},
      {UnitCategory::Data, "数据", "比特 bit|字节 B|KB|KiB|MB|MiB|GB|GiB|TB|TiB"},
      {UnitCategory::Pressure, "压强",
       "帕 Pa|千帕 kPa|兆帕 MPa|巴 bar|标准大气压 atm|毫米汞柱 mmHg|磅每平方英寸 psi"},
      {UnitCategory::Energy, "能量", "焦耳 J|千焦 kJ|卡 cal|千卡 kcal|千瓦时 kWh|度"},
      {UnitCategory::Power, "功率", "瓦 W|千瓦 kW|马力|英制马力 hp"},
      {UnitCategory::Angle, "角度", "度 °|弧度 rad|百分度 grad"},
  };
  ASSERT_EQ(std::size(rows), kUnitCategories.size());
  std::size_t total = 0;
  for (std::size_t i = 0; i < kUnitCategories.size(); ++i) {
    const auto& row = rows[i];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(kUnitCategories[i], row.category);
    EXPECT_EQ(GbkToUtf8(CategoryName(row.category)), row.name);
    std::string labels;
    for (const Unit* unit : UnitsOf(row.category)) {
      EXPECT_EQ(unit->category, row.category);
      labels += (labels.empty() ? "" : "|") + GbkToUtf8(unit->label);
      ++total;
    }
    EXPECT_EQ(labels, row.labels);
    // Conversions go through the first unit, so it must be the base.
    const Unit* base = UnitsOf(row.category).front();
    EXPECT_EQ(base->factor, 1);
    EXPECT_EQ(base->offset, 0);
  }
  EXPECT_EQ(total, AllUnits().size());
}

// A name shared by two units of one category could never be told apart.
TEST(UnitTable, NoNameTwiceInACategory) {
  for (const UnitCategory category : kUnitCategories) {
    std::set<std::string> names;
    for (const Unit* unit : UnitsOf(category)) {
      EXPECT_GT(unit->factor, 0) << GbkToUtf8(unit->label);
      for (const std::string& name : unit->names) {
        EXPECT_TRUE(names.insert(name).second) << GbkToUtf8(name);
      }
    }
  }
}

}  // namespace
}  // namespace tabulex
