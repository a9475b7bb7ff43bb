// The accumulator window's logic: the text an entry is listed with, the expression that
// combines chosen results, and writing that expression into the editor to be calculated.
// The window itself (lists, moving items) lives in qt/accumulator_window.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "engine/accumulator_entry.h"
#include "engine/calc_context.h"

namespace tabulex {

// The combining operations, in the order of the window's drop-down list (index 0 to 4).
enum class AccumulatorOperation { Sum, Product, Average, Maximum, Minimum };

inline constexpr int kAccumulatorOperationCount = 5;

// The list item of an entry (GBK): expression "=" result, or the result alone for a bare
// number. The expression is shown without the sentinel space the calculation keeps at its end.
std::string AccumulatorItemText(const AccumulatorEntry& entry);

// The expression (GBK) that combines the results of the entries named by serials, in that
// order. Serials the list no longer holds (it was cleared while the window was open) are
// skipped; nothing when none is left.
std::optional<std::string> CombineAccumulatorResults(const AccumulatorList& list,
                                                     std::span<const int> serials,
                                                     AccumulatorOperation operation);

// Writes the combination of the context's accumulator list on a new line below the caret's
// line and calculates that line as the calculate key does. False, and the editor untouched,
// when there was nothing to combine.
bool CalculateAccumulatorCombination(const CalcContext& context, std::span<const int> serials,
                                     AccumulatorOperation operation);

}  // namespace tabulex
