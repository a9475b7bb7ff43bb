#include "cli/unit_command.h"

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "engine/gbk_text.h"
#include "tools/unit_conversion.h"
#include "tools/unit_table.h"

namespace tabulex {
namespace {

int Failed(std::ostream& err, const std::string& message) {
  err << "tabulex-calc: " << message << "\n";
  return 2;
}

// "长度", or "能量/角度" with separator "/": the categories the units of a name belong to.
std::string CategoriesOf(const std::string& nameUtf8, const std::string& separator = "/") {
  std::vector<UnitCategory> seen;
  std::string names;
  for (const Unit* unit : FindUnits(UnitNameFromUtf8(nameUtf8))) {
    if (std::find(seen.begin(), seen.end(), unit->category) != seen.end()) continue;
    seen.push_back(unit->category);
    names += (names.empty() ? "" : separator) + GbkToUtf8(CategoryName(unit->category));
  }
  return names;
}

}  // namespace

int RunUnitConversion(const UnitConversionRequest& request, std::ostream& out, std::ostream& err) {
  const auto resolved = ResolveUnits(UnitNameFromUtf8(request.from), UnitNameFromUtf8(request.to));
  if (const auto* problem = std::get_if<UnitPairProblem>(&resolved)) {
    switch (*problem) {
      case UnitPairProblem::UnknownFrom:
        return Failed(err, "unknown unit '" + request.from + "'");
      case UnitPairProblem::UnknownTo:
        return Failed(err, "unknown unit '" + request.to + "'");
      case UnitPairProblem::DifferentCategories:
        return Failed(err, "cannot convert '" + request.from + "' (" + CategoriesOf(request.from) +
                               ") to '" + request.to + "' (" + CategoriesOf(request.to) + ")");
      case UnitPairProblem::Ambiguous:
        return Failed(err, "cannot tell whether '" + request.from + "' to '" + request.to +
                               "' is " + CategoriesOf(request.from, " or "));
    }
  }
  const UnitPair units = std::get<UnitPair>(resolved);
  const auto result = ConvertUnitValue(Utf8ToGbk(request.value), *units.from, *units.to);
  if (!result) return Failed(err, "'" + request.value + "' is not a number");
  out << GbkToUtf8(*result) << "\n";
  return 0;
}

int ListUnitNames(std::ostream& out) {
  std::vector<std::string> listed;
  for (const Unit& unit : AllUnits()) {
    for (const std::string& name : unit.names) {
      // "度" names an energy and an angle.
      if (std::find(listed.begin(), listed.end(), name) != listed.end()) continue;
      listed.push_back(name);
      out << GbkToUtf8(name) << "\n";
    }
  }
  return 0;
}

}  // namespace tabulex
