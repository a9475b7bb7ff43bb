// Preparing the text of one expression before normalisation.
#pragma once

#include <string>
#include <string_view>

#include "engine/gbk_chars.h"

namespace tabulex {

// True for the characters the calculation treats as spaces: ASCII and the full-width space.
inline bool IsSpaceAt(std::string_view gbk, std::size_t offset) {
  return gbk[offset] == ' ' || (gbk[offset] == gbk::kFullWidthSpace[0] && offset + 1 < gbk.size() &&
                                gbk[offset + 1] == gbk::kFullWidthSpace[1]);
}

// The text without its ASCII and full-width spaces.
std::string RemoveSpaces(std::string_view gbk);

// ExpressionText: spaces removed, A-Z lowered, the sentinel space appended, then full-width
// ASCII forms (and the full-width tilde and the star signs) turned into ASCII. Lowering comes
// first, so a full-width capital letter ends up as an ASCII capital.
std::string PrepareExpressionText(std::string_view expression);

}  // namespace tabulex
