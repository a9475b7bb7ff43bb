#include "engine/sign_marker.h"

namespace tabulex {
namespace {

bool IsOperandStart(const std::string& token) {
  return token == "(" || (!token.empty() && token[0] >= '0' && token[0] <= '9');
}

// Tokens after which a sign belongs to what follows: operators, "(", "," and function names.
bool TakesPrefixSignAfter(const std::string& token) {
  static constexpr std::string_view kOperators[] = {"*", ",", "@", "^", "-", "+", "|", "(", "\\"};
  for (std::string_view op : kOperators) {
    if (token == op) return true;
  }
  // The binary literal "0b" ends in a letter too, but it is a number: 0b+1 is 1.
  return !token.empty() && token.back() >= 'a' && token.back() <= 'z' &&
         !(token[0] >= '0' && token[0] <= '9');
}

}  // namespace

TokenList SignMarker(const TokenList& tokens) {
  TokenList marked;
  marked.reserve(tokens.size());
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const std::string& token = tokens[i];
    const bool isSign = token == "+" || token == "-";
    const bool prefix = isSign && i + 1 < tokens.size() && IsOperandStart(tokens[i + 1]) &&
                        (i == 0 || TakesPrefixSignAfter(tokens[i - 1]));
    if (!prefix) {
      marked.push_back(token);
    } else if (token == "-") {
      marked.emplace_back("~");
    }
  }
  return marked;
}

}  // namespace tabulex
