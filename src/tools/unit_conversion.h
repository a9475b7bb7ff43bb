// The unit conversion of the "单位转换" tab and of tabulex-calc --convert: a typed value read
// exactly, converted exactly, written like a result of the calculator (NumberToText, 13
// significant digits). Texts are GBK; the widget and the command line convert at their edge.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/unit_table.h"

namespace tabulex {

// valueGbk (a number as ReadExactNumber reads it) in the unit from, written in the unit to
// of the same category; nothing when the value is not a number.
std::optional<std::string> ConvertUnitValue(std::string_view valueGbk, const Unit& from,
                                            const Unit& to);

// valueGbk in the unit from, written in every unit of from's category, in the order of
// UnitsOf; empty when the value is not a number.
struct UnitValue {
  const Unit* unit{};
  std::string text;
};
std::vector<UnitValue> ValuesInEveryUnit(std::string_view valueGbk, const Unit& from);

// The units that nameGbk names (surrounding spaces ignored): more than one when a name
// belongs to units of several categories ("度" is energy and angle).
std::vector<const Unit*> FindUnits(std::string_view nameGbk);

// The pair of units two typed names stand for. A name of several categories is taken in the
// category of the other name: "度" with "rad" is the angle, with "J" the energy.
struct UnitPair {
  const Unit* from{};
  const Unit* to{};
};
enum class UnitPairProblem {
  UnknownFrom,          // no unit has the first name
  UnknownTo,            // no unit has the second name
  DifferentCategories,  // the two are never of one category
  Ambiguous,            // they share more than one category ("度" and "度")
};
std::variant<UnitPair, UnitPairProblem> ResolveUnits(std::string_view fromGbk,
                                                     std::string_view toGbk);

// A unit name typed in UTF-8 (the command line) as GBK: the characters GBK lacks but a unit
// name may well contain are spelt as the table spells them first, the micro sign "µ" as the
// Greek "μ", the superscripts "²" and "³" as "2" and "3".
std::string UnitNameFromUtf8(std::string_view utf8);

}  // namespace tabulex
