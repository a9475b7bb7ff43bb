// The units the unit conversion knows, by category, each with its exact definition in the
// category's base unit. Texts are GBK like everywhere in the logic.
#pragma once

#include <gmpxx.h>

#include <array>
#include <string>
#include <vector>

namespace tabulex {

enum class UnitCategory {
  Length,
  Area,
  Volume,
  Mass,
  Temperature,
  Speed,
  Time,
  Data,
  Pressure,
  Energy,
  Power,
  Angle,
};

// In the order the tab lists them.
inline constexpr std::array kUnitCategories{
    UnitCategory::Length,      UnitCategory::Area,   UnitCategory::Volume, UnitCategory::Mass,
    UnitCategory::Temperature, UnitCategory::Speed,  UnitCategory::Time,   UnitCategory::Data,
    UnitCategory::Pressure,    UnitCategory::Energy, UnitCategory::Power,  UnitCategory::Angle,
};

// "长度", "面积", ... (GBK).
std::string CategoryName(UnitCategory category);

struct Unit {
  UnitCategory category{UnitCategory::Length};
  // The Chinese name and the symbol as the lists show them, "千米 km" (GBK).
  std::string label;
  // Every text that names the unit when typed: its names, its symbol, their other spellings
  // (GBK). Matching is exact; a few lower-case spellings ("l", "ml", "kwh") are listed here
  // rather than ignoring case, which would make "b" a byte and "M" a metre.
  std::vector<std::string> names;
  // The value in the category's base unit is value × factor + offset; only temperatures have
  // an offset.
  mpq_class factor{1};
  mpq_class offset{0};
};

// Every unit, category by category in the order of kUnitCategories, each category's units in
// the order the tab lists them. The first of a category is its base unit (factor 1, offset 0).
const std::vector<Unit>& AllUnits();

// The units of category, in the order of AllUnits.
std::vector<const Unit*> UnitsOf(UnitCategory category);

}  // namespace tabulex
