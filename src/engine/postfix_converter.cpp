#include "engine/postfix_converter.h"

#include <array>

#include "engine/gbk_chars.h"
#include "engine/status_message.h"

namespace tabulex {
namespace {

bool IsNumberToken(std::string_view token) {
  if (token.empty()) return false;
  const char c = token[0];
  return (c >= '0' && c <= '9') || c == '.' || ((c == '+' || c == '-') && token.size() > 1);
}

Failure CommaMisplaced() {
  return ExpressionError("逗号位置错误！");
}

}  // namespace

bool IsPrefixToken(std::string_view token) {
  // Numbers and operators are most tokens: they never begin with a letter.
  if (token.empty() || !((token[0] >= 'a' && token[0] <= 'z') || IsByteToken(token, "~")))
    return false;
  static constexpr std::array<std::string_view, 22> kPrefix = {
      "sin", "cos", "tan", "asin", "acos", "atan", "sinh", "cosh", "tanh", "sqr",  "abs",
      "int", "exp", "ln",  "lg",   "log",  "max",  "min",  "sum",  "if",   "tjfx", "~"};
  for (std::string_view name : kPrefix) {
    if (token == name) return true;
  }
  return false;
}

Outcome<PostfixQueue> PostfixConverter(const TokenList& marked) {
  PostfixQueue queue;
  queue.reserve(marked.size());
  std::vector<std::string_view> stack;
  stack.reserve(marked.size());

  auto popTo = [&] {
    queue.push_back(stack.back());
    stack.pop_back();
  };
  auto popPrefixes = [&] {
    while (!stack.empty() && IsPrefixToken(stack.back())) popTo();
  };

  for (std::string_view t : marked) {
    if (t == kEndMarker) break;
    if (IsPrefixToken(t)) {
      stack.push_back(t);
    } else if (IsByteToken(t, "!%") || t == gbk::kPerMille) {
      queue.push_back(t);
    } else if (IsNumberToken(t)) {
      queue.push_back(t);
      popPrefixes();
    } else if (IsByteToken(t, "(")) {
      stack.push_back(t);
    } else if (IsByteToken(t, ")")) {
      while (!stack.empty() && !IsByteToken(stack.back(), "(")) popTo();
      if (!stack.empty()) stack.pop_back();
      popPrefixes();
    } else if (IsByteToken(t, "+-")) {
      while (!stack.empty() && !IsByteToken(stack.back(), "(,")) popTo();
      stack.push_back(t);
    } else if (IsByteToken(t, "*@\\")) {
      while (!stack.empty() && IsByteToken(stack.back(), "*@\\^|")) popTo();
      stack.push_back(t);
    } else if (IsByteToken(t, "^|")) {
      while (!stack.empty() && IsByteToken(stack.back(), "^|")) popTo();
      stack.push_back(t);
    } else if (IsByteToken(t, ",")) {
      if (stack.empty()) return CommaMisplaced();
      while (!IsByteToken(stack.back(), "(,")) {
        if (stack.size() == 1) return CommaMisplaced();
        popTo();
      }
      stack.push_back(t);
    }
    // Anything else, such as a number that begins with the fraction separator, is dropped.
  }
  while (!stack.empty()) popTo();
  queue.emplace_back(kEndMarker);
  return queue;
}

}  // namespace tabulex
