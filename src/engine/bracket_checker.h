// The bracket checks that run inside the normalisation walk. They look at the brackets as
// typed, so a "]" closing a "(" is reported although both become round brackets.
#pragma once

#include <optional>
#include <string>

#include "engine/outcome.h"

namespace tabulex {

class BracketChecker {
 public:
  // Called for every typed single-byte character before CountBracket.
  std::optional<Failure> CheckBracket(char typed);
  void CountBracket(char typed);
  // Called once after the walk: an unclosed round, then square, then curly bracket.
  std::optional<Failure> CheckBracketTotals() const;

 private:
  std::string m_bracketStack;  // the open brackets, innermost last; short ones need no allocation
  int m_round{0};
  int m_square{0};
  int m_curly{0};
};

}  // namespace tabulex
