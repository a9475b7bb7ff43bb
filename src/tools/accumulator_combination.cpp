#include "tools/accumulator_combination.h"

#include <string_view>
#include <vector>

#include "editor/insert_line_below.h"
#include "engine/calculate_current_line.h"
#include "engine/gbk_chars.h"

namespace tabulex {
namespace {

constexpr std::string_view kFullWidthComma = "\xA3\xAC";  // ，

// The results still held by the list, in the order of serials. An entry's serial is its
// 1-based index, as entries are only ever appended or all cleared at once.
std::vector<std::string_view> ResultsOf(const AccumulatorList& list, std::span<const int> serials) {
  std::vector<std::string_view> results;
  results.reserve(serials.size());
  for (const int serial : serials) {
    if (serial < 1 || static_cast<std::size_t>(serial) > list.size()) continue;
    const AccumulatorEntry& entry = list[static_cast<std::size_t>(serial) - 1];
    if (entry.serial == serial) results.push_back(entry.result);
  }
  return results;
}

std::string Joined(const std::vector<std::string_view>& parts, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += separator;
    out += parts[i];
  }
  return out;
}

}  // namespace

std::string AccumulatorItemText(const AccumulatorEntry& entry) {
  if (entry.expression.empty()) return entry.result;
  std::string_view expression = entry.expression;
  if (expression.ends_with(' ')) expression.remove_suffix(1);
  return std::string(expression) + "=" + entry.result;
}

std::optional<std::string> CombineAccumulatorResults(const AccumulatorList& list,
                                                     std::span<const int> serials,
                                                     AccumulatorOperation operation) {
  const std::vector<std::string_view> results = ResultsOf(list, serials);
  if (results.empty()) return std::nullopt;
  switch (operation) {
    case AccumulatorOperation::Sum:
      return Joined(results, "+");
    case AccumulatorOperation::Product:
      return Joined(results, gbk::kTimes);
    case AccumulatorOperation::Average:
      return "(" + Joined(results, "+") + ")" + std::string(gbk::kDivide) +
             std::to_string(results.size());
    case AccumulatorOperation::Maximum:
      return "max(" + Joined(results, kFullWidthComma) + ")";
    case AccumulatorOperation::Minimum:
      return "min(" + Joined(results, kFullWidthComma) + ")";
  }
  // No operation chosen: the first result alone.
  return std::string(results.front());
}

bool CalculateAccumulatorCombination(const CalcContext& context, std::span<const int> serials,
                                     AccumulatorOperation operation) {
  const std::optional<std::string> expression =
      CombineAccumulatorResults(context.state.accumulatorList, serials, operation);
  if (!expression) return false;
  InsertLineBelow(context.editor, *expression);
  CalculateCurrentLine(context);
  return true;
}

}  // namespace tabulex
