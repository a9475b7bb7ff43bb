#include "tools/unit_table.h"

#include <initializer_list>
#include <numbers>

#include "engine/gbk_text.h"
#include "tools/exact_number.h"

namespace tabulex {
namespace {

// A decimal constant of the table, exactly.
mpq_class Exact(const char* decimal) {
  return *ReadExactNumber(decimal);
}

// n/d in lowest terms, as every mpq_class must be before arithmetic.
mpq_class Ratio(long n, long d) {
  return mpq_class(n) / d;
}

mpq_class PowerOf(unsigned long base, unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), base, exponent);
  return mpq_class(power);
}

struct Row {
  UnitCategory category;
  const char* name;    // UTF-8; may be empty for a unit known by its symbol only
  const char* symbol;  // UTF-8; may be empty for a unit without one
  std::initializer_list<const char*> aliases;
  mpq_class factor;
  mpq_class offset{0};
};

std::vector<Unit> BuildUnits() {
  using C = UnitCategory;
  // The international definitions, all exact.
  const mpq_class inch = Exact("0.0254");
  const mpq_class foot = 12 * inch;
  const mpq_class yard = 3 * foot;
  const mpq_class mile = 1760 * yard;
  const mpq_class pound = Exact("0.45359237");
  const mpq_class standardGravity = Exact("9.80665");
  const mpq_class poundForce = pound * standardGravity;
  const mpq_class hour = 3600;
  const mpq_class kilowattHour = 1000 * hour;
  const mpq_class byte = 8;
  // π has no exact rational value: the radian uses the double nearest to π, as the
  // calculator's own trigonometry does; everything else about angles stays exact.
  const mpq_class pi(std::numbers::pi);

  const Row rows[] = {
      {C::Length, "米", "m", {}, 1},
      {C::Length, "千米", "km", {"公里", "㎞"}, 1000},
      {C::Length, "分米", "dm", {}, Ratio(1, 10)},
      {C::Length, "厘米", "cm", {"㎝"}, Ratio(1, 100)},
      {C::Length, "毫米", "mm", {"㎜"}, Ratio(1, 1000)},
      {C::Length, "微米", "um", {"μm"}, 1 / PowerOf(10, 6)},
      {C::Length, "纳米", "nm", {}, 1 / PowerOf(10, 9)},
      {C::Length, "里", "", {"市里"}, 500},
      {C::Length, "丈", "", {"市丈"}, Ratio(10, 3)},
      {C::Length, "尺", "", {"市尺"}, Ratio(1, 3)},
      {C::Length, "寸", "", {"市寸"}, Ratio(1, 30)},
      {C::Length, "英里", "mi", {}, mile},
      {C::Length, "码", "yd", {}, yard},
      {C::Length, "英尺", "ft", {}, foot},
      {C::Length, "英寸", "in", {}, inch},
      {C::Length, "海里", "nmi", {}, 1852},

      {C::Area, "平方米", "m2", {"㎡", "m^2"}, 1},
      {C::Area, "平方千米", "km2", {"平方公里", "km^2"}, PowerOf(10, 6)},
      {C::Area, "公顷", "ha", {}, PowerOf(10, 4)},
      {C::Area, "亩", "", {"市亩"}, Ratio(10000, 15)},
      {C::Area, "平方英尺", "ft2", {"ft^2"}, foot * foot},
      {C::Area, "英亩", "acre", {}, 4840 * yard * yard},

      {C::Volume, "立方米", "m3", {"m^3"}, 1},
      {C::Volume, "升", "L", {"l", "公升"}, Ratio(1, 1000)},
      {C::Volume, "毫升", "mL", {"ml"}, 1 / PowerOf(10, 6)},
      {C::Volume, "美制加仑", "gal", {"加仑"}, 231 * inch * inch * inch},

      {C::Mass, "千克", "kg", {"公斤"}, 1},
      {C::Mass, "克", "g", {}, Ratio(1, 1000)},
      {C::Mass, "毫克", "mg", {}, 1 / PowerOf(10, 6)},
      {C::Mass, "吨", "t", {"公吨"}, 1000},
      {C::Mass, "市斤", "", {"斤"}, Ratio(1, 2)},
      {C::Mass, "两", "", {"市两"}, Ratio(1, 20)},
      {C::Mass, "钱", "", {"市钱"}, Ratio(1, 200)},
      {C::Mass, "磅", "lb", {}, pound},
      {C::Mass, "盎司", "oz", {}, pound / 16},

      {C::Temperature, "摄氏度", "°C", {"℃"}, 1},
      {C::Temperature, "华氏度", "°F", {"℉"}, Ratio(5, 9), -32 * Ratio(5, 9)},
      {C::Temperature, "开尔文", "K", {"开"}, 1, Exact("-273.15")},

      {C::Speed, "米每秒", "m/s", {}, 1},
      {C::Speed, "千米每小时", "km/h", {"公里每小时"}, 1000 / hour},
      {C::Speed, "英里每小时", "mph", {}, mile / hour},
      {C::Speed, "节", "kn", {}, 1852 / hour},

      {C::Time, "秒", "s", {}, 1},
      {C::Time, "分钟", "min", {"分"}, 60},
      {C::Time, "小时", "h", {}, hour},
      {C::Time, "天", "d", {"日"}, 24 * hour},
      {C::Time, "周", "", {"星期"}, 7 * 24 * hour},

      {C::Data, "比特", "bit", {}, 1},
      {C::Data, "字节", "B", {}, byte},
      {C::Data, "", "KB", {}, byte * PowerOf(10, 3)},
      {C::Data, "", "KiB", {}, byte * PowerOf(2, 10)},
      {C::Data, "", "MB", {}, byte * PowerOf(10, 6)},
      {C::Data, "", "MiB", {}, byte * PowerOf(2, 20)},
      {C::Data, "", "GB", {}, byte * PowerOf(10, 9)},
      {C::Data, "", "GiB", {}, byte * PowerOf(2, 30)},
      {C::Data, "", "TB", {}, byte * PowerOf(10, 12)},
      {C::Data, "", "TiB", {}, byte * PowerOf(2, 40)},

      {C::Pressure, "帕", "Pa", {"帕斯卡"}, 1},
      {C::Pressure, "千帕", "kPa", {}, 1000},
      {C::Pressure, "兆帕", "MPa", {}, PowerOf(10, 6)},
      {C::Pressure, "巴", "bar", {}, PowerOf(10, 5)},
      {C::Pressure, "标准大气压", "atm", {}, 101325},
      {C::Pressure, "毫米汞柱", "mmHg", {}, Ratio(101325, 760)},
      {C::Pressure, "磅每平方英寸", "psi", {}, poundForce / (inch * inch)},

      {C::Energy, "焦耳", "J", {"焦"}, 1},
      {C::Energy, "千焦", "kJ", {}, 1000},
      {C::Energy, "卡", "cal", {}, Exact("4.184")},
      {C::Energy, "千卡", "kcal", {"大卡"}, Exact("4184")},
      {C::Energy, "千瓦时", "kWh", {"kwh"}, kilowattHour},
      {C::Energy, "度", "", {}, kilowattHour},

      {C::Power, "瓦", "W", {"瓦特"}, 1},
      {C::Power, "千瓦", "kW", {}, 1000},
      {C::Power, "马力", "", {"公制马力"}, Exact("735.49875")},
      // 550 foot-pounds-force per second: 745.69987158227022 W.
      {C::Power, "英制马力", "hp", {}, 550 * foot * poundForce},

      {C::Angle, "度", "°", {}, 1},
      {C::Angle, "弧度", "rad", {}, 180 / pi},
      {C::Angle, "百分度", "grad", {"gon"}, Ratio(9, 10)},
  };

  std::vector<Unit> units;
  for (const Row& row : rows) {
    Unit unit;
    unit.category = row.category;
    const std::string name = row.name;
    const std::string symbol = row.symbol;
    unit.label = Utf8ToGbk(name.empty() ? symbol : symbol.empty() ? name : name + " " + symbol);
    if (!name.empty()) unit.names.push_back(Utf8ToGbk(name));
    if (!symbol.empty()) unit.names.push_back(Utf8ToGbk(symbol));
    for (const char* alias : row.aliases) unit.names.push_back(Utf8ToGbk(alias));
    unit.factor = row.factor;
    unit.offset = row.offset;
    units.push_back(std::move(unit));
  }
  return units;
}

}  // namespace

std::string CategoryName(UnitCategory category) {
  switch (category) {
    case UnitCategory::Length:
      return Utf8ToGbk("长度");
    case UnitCategory::Area:
      return Utf8ToGbk("面积");
    case UnitCategory::Volume:
      return Utf8ToGbk("体积");
    case UnitCategory::Mass:
      return Utf8ToGbk("质量");
    case UnitCategory::Temperature:
      return Utf8ToGbk("温度");
    case UnitCategory::Speed:
      return Utf8ToGbk("速度");
    case UnitCategory::Time:
      return Utf8ToGbk("时间");
    case UnitCategory::Data:
      return Utf8ToGbk("数据");
    case UnitCategory::Pressure:
      return Utf8ToGbk("压强");
    case UnitCategory::Energy:
      return Utf8ToGbk("能量");
    case UnitCategory::Power:
      return Utf8ToGbk("功率");
    case UnitCategory::Angle:
      return Utf8ToGbk("角度");
  }
  return {};
}

const std::vector<Unit>& AllUnits() {
  static const std::vector<Unit> units = BuildUnits();
  return units;
}

std::vector<const Unit*> UnitsOf(UnitCategory category) {
  std::vector<const Unit*> units;
  for (const Unit& unit : AllUnits()) {
    if (unit.category == category) units.push_back(&unit);
  }
  return units;
}

}  // namespace tabulex
