#include "tools/unit_conversion.h"

#include "engine/gbk_text.h"
#include "engine/number_text.h"
#include "tools/exact_number.h"

namespace tabulex {
namespace {

// Through the category's base unit; exact, whatever the units.
mpq_class Convert(const mpq_class& value, const Unit& from, const Unit& to) {
  const mpq_class base = value * from.factor + from.offset;
  return (base - to.offset) / to.factor;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::string> ConvertUnitValue(std::string_view valueGbk, const Unit& from,
                                            const Unit& to) {
  const std::optional<mpq_class> value = ReadExactNumber(valueGbk);
  if (!value) return std::nullopt;
  return NumberToText(NearestDouble(Convert(*value, from, to)));
}

std::vector<UnitValue> ValuesInEveryUnit(std::string_view valueGbk, const Unit& from) {
  std::vector<UnitValue> values;
  const std::optional<mpq_class> value = ReadExactNumber(valueGbk);
  if (!value) return values;
  for (const Unit* unit : UnitsOf(from.category)) {
    values.push_back({unit, NumberToText(NearestDouble(Convert(*value, from, *unit)))});
  }
  return values;
}

std::vector<const Unit*> FindUnits(std::string_view nameGbk) {
  const std::string_view name = Trimmed(nameGbk);
  std::vector<const Unit*> units;
  for (const Unit& unit : AllUnits()) {
    for (const std::string& candidate : unit.names) {
      if (candidate == name) {
        units.push_back(&unit);
        break;
      }
    }
  }
  return units;
}

std::variant<UnitPair, UnitPairProblem> ResolveUnits(std::string_view fromGbk,
                                                     std::string_view toGbk) {
  const std::vector<const Unit*> from = FindUnits(fromGbk);
  if (from.empty()) return UnitPairProblem::UnknownFrom;
  const std::vector<const Unit*> to = FindUnits(toGbk);
  if (to.empty()) return UnitPairProblem::UnknownTo;
  std::vector<UnitPair> pairs;
  for (const Unit* a : from) {
    for (const Unit* b : to) {
      if (a->category == b->category) pairs.push_back({a, b});
    }
  }
  if (pairs.empty()) return UnitPairProblem::DifferentCategories;
  if (pairs.size() > 1) return UnitPairProblem::Ambiguous;
  return pairs.front();
}

std::string UnitNameFromUtf8(std::string_view utf8) {
  std::string spelt;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const std::string_view rest = utf8.substr(i);
    if (rest.starts_with("\xC2\xB5")) {  // µ
      spelt += "\xCE\xBC";               // μ
      ++i;
    } else if (rest.starts_with("\xC2\xB2")) {  // ²
      spelt += '2';
      ++i;
    } else if (rest.starts_with("\xC2\xB3")) {  // ³
      spelt += '3';
      ++i;
    } else {
      spelt += utf8[i];
    }
  }
  return Utf8ToGbk(spelt);
}

}  // namespace tabulex
