#include "tools/unit_conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

using C = UnitCategory;

// The unit of category that name (UTF-8) names, as the tab picks it.
const Unit& UnitIn(UnitCategory category, const char* name) {
  for (const Unit* unit : FindUnits(Utf8ToGbk(name))) {
    if (unit->category == category) return *unit;
  }
  ADD_FAILURE() << "no unit " << name;
  return *UnitsOf(category).front();
}

struct Conversion {
  UnitCategory category;
  const char* value;  // UTF-8, as typed
  const char* from;
  const char* to;
  const char* expected;
};

void ExpectConversions(std::initializer_list<Conversion> rows) {
  for (const Conversion& row : rows) {
    SCOPED_TRACE(std::string(row.value) + " " + row.from + " -> " + row.to);
    const auto result = ConvertUnitValue(Utf8ToGbk(row.value), UnitIn(row.category, row.from),
                                         UnitIn(row.category, row.to));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, row.expected);
  }
}

TEST(ConvertUnitValue, Length) {
  ExpectConversions({
      {C::Length, "1", "km", "m", "1000"},
      {C::Length, "1500", "米", "公里", "1.5"},
      {C::Length, "1", "dm", "cm", "10"},
      {C::Length, "1", "mm", "um", "1000"},
      {C::Length, "1", "μm", "nm", "1000"},
      {C::Length, "1", "nm", "km", "1e-012"},
      {C::Length, "1", "mi", "m", "1609.344"},
      {C::Length, "1609.344", "m", "英里", "1"},
      {C::Length, "1", "in", "cm", "2.54"},
      {C::Length, "2.54", "cm", "in", "1"},
      {C::Length, "1", "ft", "in", "12"},
      {C::Length, "1", "yd", "ft", "3"},
      {C::Length, "1", "mi", "yd", "1760"},
      {C::Length, "1", "nmi", "m", "1852"},
      {C::Length, "1852", "m", "海里", "1"},
      // 0.1 + 0.2 would not be 0.3 in doubles; exact factors keep such sums whole.
      {C::Length, "0.3", "m", "mm", "300"},
  });
}

TEST(ConvertUnitValue, MarketUnits) {
  ExpectConversions({
      {C::Length, "1", "里", "m", "500"},
      {C::Length, "1", "丈", "m", "3.333333333333"},
      {C::Length, "1", "尺", "m", "0.3333333333333"},
      {C::Length, "1", "寸", "cm", "3.333333333333"},
      {C::Length, "3", "尺", "m", "1"},
      {C::Length, "1", "m", "尺", "3"},
      {C::Length, "1", "丈", "尺", "10"},
      {C::Length, "10", "寸", "尺", "1"},
      {C::Length, "1", "km", "里", "2"},
      {C::Area, "1", "亩", "m2", "666.6666666667"},
      {C::Area, "15", "亩", "公顷", "1"},
      {C::Area, "1", "公顷", "亩", "15"},
      {C::Mass, "1", "斤", "kg", "0.5"},
      {C::Mass, "1", "市斤", "两", "10"},
      {C::Mass, "1", "两", "g", "50"},
      {C::Mass, "1", "钱", "g", "5"},
      {C::Mass, "1", "两", "钱", "10"},
      {C::Mass, "1", "公斤", "斤", "2"},
  });
}

TEST(ConvertUnitValue, AreaAndVolume) {
  ExpectConversions({
      {C::Area, "1", "km2", "m2", "1000000"},
      {C::Area, "1", "平方公里", "ha", "100"},
      {C::Area, "1", "m2", "km2", "1e-006"},
      {C::Area, "1", "ft2", "m2", "0.09290304"},
      {C::Area, "1", "acre", "m2", "4046.8564224"},
      {C::Area, "43560", "ft2", "英亩", "1"},
      {C::Volume, "1", "m3", "L", "1000"},
      {C::Volume, "1", "L", "mL", "1000"},
      {C::Volume, "1", "l", "ml", "1000"},
      {C::Volume, "1", "gal", "L", "3.785411784"},
      {C::Volume, "3.785411784", "升", "美制加仑", "1"},
  });
}

TEST(ConvertUnitValue, Mass) {
  ExpectConversions({
      {C::Mass, "1", "t", "kg", "1000"},
      {C::Mass, "1", "kg", "g", "1000"},
      {C::Mass, "1", "g", "mg", "1000"},
      {C::Mass, "1", "lb", "kg", "0.45359237"},
      {C::Mass, "0.45359237", "kg", "磅", "1"},
      {C::Mass, "1", "lb", "oz", "16"},
      {C::Mass, "1", "oz", "g", "28.349523125"},
  });
}

TEST(ConvertUnitValue, TemperaturesAreAffine) {
  ExpectConversions({
      {C::Temperature, "-40", "°C", "°F", "-40"},
      {C::Temperature, "-40", "°F", "°C", "-40"},
      {C::Temperature, "100", "°F", "°C", "37.77777777778"},
      {C::Temperature, "100", "℃", "℉", "212"},
      {C::Temperature, "212", "华氏度", "摄氏度", "100"},
      {C::Temperature, "0", "°C", "°F", "32"},
      {C::Temperature, "0", "K", "°C", "-273.15"},
      {C::Temperature, "0", "°C", "K", "273.15"},
      {C::Temperature, "0", "K", "°F", "-459.67"},
      {C::Temperature, "212", "°F", "开尔文", "373.15"},
      {C::Temperature, "300", "K", "K", "300"},
  });
}

TEST(ConvertUnitValue, SpeedAndTime) {
  ExpectConversions({
      {C::Speed, "36", "km/h", "m/s", "10"},
      {C::Speed, "1", "m/s", "km/h", "3.6"},
      {C::Speed, "1", "kn", "km/h", "1.852"},
      {C::Speed, "60", "mph", "km/h", "96.56064"},
      {C::Speed, "1", "mph", "m/s", "0.44704"},
      {C::Time, "1", "h", "s", "3600"},
      {C::Time, "90", "min", "h", "1.5"},
      {C::Time, "1", "s", "min", "0.01666666666667"},
      {C::Time, "1", "d", "h", "24"},
      {C::Time, "1", "周", "天", "7"},
      {C::Time, "1", "周", "s", "604800"},
  });
}

TEST(ConvertUnitValue, DataDecimalAndBinaryPrefixes) {
  ExpectConversions({
      {C::Data, "1", "B", "bit", "8"},
      {C::Data, "8", "bit", "字节", "1"},
      {C::Data, "1", "KB", "B", "1000"},
      {C::Data, "1", "KiB", "B", "1024"},
      {C::Data, "1", "MiB", "KiB", "1024"},
      {C::Data, "1", "GiB", "MB", "1073.741824"},
      {C::Data, "1", "GB", "GiB", "0.9313225746155"},
      {C::Data, "1", "TB", "GB", "1000"},
      {C::Data, "1", "TiB", "bit", "8796093022208"},
  });
}

TEST(ConvertUnitValue, PressureEnergyPowerAngle) {
  ExpectConversions({
      {C::Pressure, "1", "atm", "Pa", "101325"},
      {C::Pressure, "760", "mmHg", "atm", "1"},
      {C::Pressure, "1", "atm", "mmHg", "760"},
      {C::Pressure, "1", "mmHg", "Pa", "133.3223684211"},
      {C::Pressure, "1", "bar", "kPa", "100"},
      {C::Pressure, "1", "MPa", "bar", "10"},
      {C::Pressure, "1", "psi", "Pa", "6894.757293168"},
      {C::Energy, "1", "kWh", "J", "3600000"},
      {C::Energy, "1", "度", "kWh", "1"},
      {C::Energy, "1", "kcal", "kJ", "4.184"},
      {C::Energy, "1", "cal", "J", "4.184"},
      {C::Energy, "1", "J", "cal", "0.2390057361377"},
      {C::Power, "1", "kW", "W", "1000"},
      {C::Power, "1", "马力", "W", "735.49875"},
      {C::Power, "1", "hp", "W", "745.6998715823"},
      {C::Power, "1", "hp", "马力", "1.013869665424"},
      {C::Angle, "180", "°", "rad", "3.14159265359"},
      {C::Angle, "1", "rad", "度", "57.29577951308"},
      {C::Angle, "3.141592653589793", "rad", "°", "180"},
      {C::Angle, "200", "grad", "°", "180"},
      {C::Angle, "90", "度", "百分度", "100"},
  });
}

TEST(ConvertUnitValue, TheValueIsReadLikeATypedNumber) {
  const Unit& metre = UnitIn(C::Length, "m");
  const Unit& kilometre = UnitIn(C::Length, "km");
  const struct {
    const char* value;
    const char* expected;  // empty: no result
  } rows[] = {
      {"１５００", "1.5"},
      {" 2500 ", "2.5"},
      {"－３０００", "-3"},
      {"1e3", "1"},
      {"1.5e-3", "1.5e-006"},
      {"1e400", "inf"},
      {"-1e400", "-inf"},
      {"", ""},
      {"abc", ""},
      {"1.2.3", ""},
      {"1e", ""},
      {"5 m", ""},
      {"1+1", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value);
    const auto result = ConvertUnitValue(Utf8ToGbk(row.value), metre, kilometre);
    EXPECT_EQ(result.value_or(""), row.expected);
  }
}

TEST(ValuesInEveryUnit, OneValuePerUnitOfTheCategory) {
  const auto values = ValuesInEveryUnit("1", UnitIn(C::Temperature, "°C"));
  ASSERT_EQ(values.size(), 3u);
  EXPECT_EQ(values[0].unit, &UnitIn(C::Temperature, "°C"));
  EXPECT_EQ(values[0].text, "1");
  EXPECT_EQ(values[1].text, "33.8");
  EXPECT_EQ(values[2].text, "274.15");
  EXPECT_EQ(ValuesInEveryUnit("1", UnitIn(C::Length, "尺")).size(), UnitsOf(C::Length).size());
  EXPECT_EQ(ValuesInEveryUnit("1", UnitIn(C::Length, "尺"))[0].text, "0.3333333333333");
  EXPECT_TRUE(ValuesInEveryUnit("x", UnitIn(C::Length, "m")).empty());
}

TEST(FindUnits, NamesSymbolsAndAliases) {
  const struct {
    const char* name;
    const char* labels;  // UTF-8, "|" between units; empty: unknown
  } rows[] = {
      {"km", "千米 km"}, {"千米", "千米 km"}, {"公里", "千米 km"}, {" km ", "千米 km"},
      {"L", "升 L"},     {"l", "升 L"},       {"ml", "毫升 mL"},   {"kwh", "千瓦时 kWh"},
      {"斤", "市斤"},    {"℃", "摄氏度 °C"},  {"°F", "华氏度 °F"}, {"μm", "微米 um"},
      {"度", "度|度 °"}, {"KM", ""},          {"b", ""},           {"M", ""},
      {"", ""},          {"furlong", ""},     {"千", ""},          {"m ²", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::string labels;
    for (const Unit* unit : FindUnits(Utf8ToGbk(row.name))) {
      labels += (labels.empty() ? "" : "|") + GbkToUtf8(unit->label);
    }
    EXPECT_EQ(labels, row.labels);
  }
}

TEST(ResolveUnits, TheOtherNameDecidesTheCategory) {
  const struct {
    const char* from;
    const char* to;
    const char* expected;  // "from label > to label", or the problem
  } rows[] = {
      {"m", "km", "米 m > 千米 km"},
      {"度", "rad", "度 ° > 弧度 rad"},
      {"度", "J", "度 > 焦耳 J"},
      {"kWh", "度", "千瓦时 kWh > 度"},
      {"grad", "度", "百分度 grad > 度 °"},
      {"度", "度", "ambiguous"},
      {"furlong", "m", "unknown from"},
      {"m", "furlong", "unknown to"},
      {"furlong", "parsec", "unknown from"},
      {"m", "kg", "different categories"},
      {"度", "kg", "different categories"},
      {"°C", "J", "different categories"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.from) + " " + row.to);
    const auto resolved = ResolveUnits(Utf8ToGbk(row.from), Utf8ToGbk(row.to));
    std::string text;
    if (const auto* pair = std::get_if<UnitPair>(&resolved)) {
      text = GbkToUtf8(pair->from->label) + " > " + GbkToUtf8(pair->to->label);
    } else {
      switch (std::get<UnitPairProblem>(resolved)) {
        case UnitPairProblem::UnknownFrom:
          text = "unknown from";
          break;
        case UnitPairProblem::UnknownTo:
          text = "unknown to";
          break;
        case UnitPairProblem::DifferentCategories:
          text = "different categories";
          break;
        case UnitPairProblem::Ambiguous:
          text = "ambiguous";
          break;
      }
    }
    EXPECT_EQ(text, row.expected);
  }
}

TEST(UnitNameFromUtf8, SpellsWhatGbkLacksAsTheTableDoes) {
  EXPECT_EQ(GbkToUtf8(UnitNameFromUtf8("µm")), "μm");
  EXPECT_EQ(FindUnits(UnitNameFromUtf8("µm")).size(), 1u);
  EXPECT_EQ(GbkToUtf8(UnitNameFromUtf8("m²")), "m2");
  EXPECT_EQ(GbkToUtf8(UnitNameFromUtf8("m³")), "m3");
  EXPECT_EQ(GbkToUtf8(UnitNameFromUtf8("公里")), "公里");
}

}  // namespace
}  // namespace tabulex
