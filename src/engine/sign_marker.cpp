#include "engine/sign_marker.h"

namespace tabulex {
namespace {

bool IsOperandStart(std::string_view token) {
  return IsByteToken(token, "(") || (!token.empty() && token[0] >= '0' && token[0] <= '9');
}

// Tokens after which a sign belongs to what follows: operators, "(", "," and function names.
bool TakesPrefixSignAfter(std::string_view token) {
  if (IsByteToken(token, "*,@^-+|(\\")) return true;
  // The binary literal "0b" ends in a letter too, but it is a number: 0b+1 is 1.
  return !token.empty() && token.back() >= 'a' && token.back() <= 'z' &&
         !(token[0] >= '0' && token[0] <= '9');
}

}  // namespace

TokenList SignMarker(TokenList tokens) {
  // Marks in place: the kept tokens move down over the dropped ones. Each decision looks at
  // the token before as it was, so that is remembered before it is moved.
  std::size_t kept = 0;
  bool afterPrefixPlace = true;  // the first token, or one after an operator, "(", "," or name
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const bool isSign = IsByteToken(tokens[i], "+-");
    const bool prefix =
        isSign && i + 1 < tokens.size() && IsOperandStart(tokens[i + 1]) && afterPrefixPlace;
    afterPrefixPlace = TakesPrefixSignAfter(tokens[i]);
    if (!prefix) {
      tokens[kept] = tokens[i];
      ++kept;
    } else if (IsByteToken(tokens[i], "-")) {
      tokens[kept++] = "~";
    }
  }
  tokens.resize(kept);
  return tokens;
}

}  // namespace tabulex
