// ExpressionTokenizer: cuts NormalisedText into the TokenList the evaluation reads. Numbers
// (with "." and the fraction separator "/"), operators, brackets, commas, function names and
// the constants pi and e; implicit multiplications before "(" and after ")" are inserted here.
// The list always ends with the end marker " ". Tokens are views: of the text given, or of
// constant texts, so the text must outlive the list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/outcome.h"

namespace tabulex {

using TokenList = std::vector<std::string_view>;

inline constexpr std::string_view kEndMarker = " ";
inline constexpr std::string_view kPiText = "3.1415926535897932384";
inline constexpr std::string_view kEText = "2.718281828459045";

Outcome<TokenList> ExpressionTokenizer(std::string_view normalisedText);

// A one-byte token that is one of bytes. Operators and brackets are told apart by their byte,
// not by comparing texts: this runs on every token.
inline bool IsByteToken(std::string_view token, std::string_view bytes) {
  if (token.size() != 1) return false;
  for (char byte : bytes) {
    if (token[0] == byte) return true;
  }
  return false;
}

}  // namespace tabulex
