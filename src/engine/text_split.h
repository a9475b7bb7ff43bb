// Splitting a text at a separator the way the calculator counts pieces: each piece before a
// separator counts, even when empty; the rest after the last separator only when not empty.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabulex {

std::vector<std::string> SplitPieces(std::string_view text, std::string_view separator);

// The number of pieces SplitPieces would give, without building them.
std::size_t CountPieces(std::string_view text, std::string_view separator);

}  // namespace tabulex
