#include "engine/postfix_converter.h"

#include <algorithm>
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

enum class TokenKind {
  End,
  Prefix,   // a function name or the negative sign "~"
  Postfix,  // ! % ‰
  Number,
  Open,
  Close,
  Additive,        // + -
  Multiplicative,  // * @ (divide) \ (whole division)
  Power,           // ^ | (root)
  Comma,
  Other,
};

// One look at a token: most are one byte, told apart by a switch.
TokenKind KindOf(std::string_view t) {
  if (t.size() == 1) {
    switch (t[0]) {
      case ' ':
        return TokenKind::End;
      case '~':
        return TokenKind::Prefix;
      case '!':
      case '%':
        return TokenKind::Postfix;
      case '(':
        return TokenKind::Open;
      case ')':
        return TokenKind::Close;
      case '+':
      case '-':
        return TokenKind::Additive;
      case '*':
      case '@':
      case '\\':
        return TokenKind::Multiplicative;
      case '^':
      case '|':
        return TokenKind::Power;
      case ',':
        return TokenKind::Comma;
      default:
        return IsNumberToken(t) ? TokenKind::Number : TokenKind::Other;
    }
  }
  if (t == gbk::kPerMille) return TokenKind::Postfix;
  if (IsNumberToken(t)) return TokenKind::Number;
  if (IsPrefixToken(t)) return TokenKind::Prefix;
  return TokenKind::Other;
}

Failure CommaMisplaced() {
  return ExpressionError("逗号位置错误！");
}

}  // namespace

bool IsPrefixToken(std::string_view token) {
  // Numbers and operators are most tokens: they never begin with a letter.
  if (token.empty() || !((token[0] >= 'a' && token[0] <= 'z') || IsByteToken(token, "~")))
    return false;
  // Looked up by length first: a name is compared only with the names as long as it.
  static constexpr std::array<std::string_view, 3> kTwo = {"ln", "lg", "if"};
  static constexpr std::array<std::string_view, 11> kThree = {
      "sin", "cos", "tan", "sqr", "abs", "int", "exp", "log", "max", "min", "sum"};
  static constexpr std::array<std::string_view, 7> kFour = {"asin", "acos", "atan", "sinh",
                                                            "cosh", "tanh", "tjfx"};
  const auto among = [token](const auto& names) {
    return std::find(names.begin(), names.end(), token) != names.end();
  };
  switch (token.size()) {
    case 1:
      return token[0] == '~';
    case 2:
      return among(kTwo);
    case 3:
      return among(kThree);
    case 4:
      return among(kFour);
    default:
      return false;
  }
}

Outcome<PostfixQueue> PostfixConverter(const TokenList& marked) {
  PostfixQueue queue;
  queue.reserve(marked.size());
  // The operator stack lives only during the call; its room is kept for the next line.
  thread_local std::vector<std::string_view> stack;
  stack.clear();
  stack.reserve(marked.size());

  auto popTo = [&] {
    queue.push_back(stack.back());
    stack.pop_back();
  };
  auto popPrefixes = [&] {
    while (!stack.empty() && IsPrefixToken(stack.back())) popTo();
  };

  for (std::string_view t : marked) {
    switch (KindOf(t)) {
      case TokenKind::End:
        break;
      case TokenKind::Prefix:
      case TokenKind::Open:
        stack.push_back(t);
        continue;
      case TokenKind::Postfix:
        queue.push_back(t);
        continue;
      case TokenKind::Number:
        queue.push_back(t);
        popPrefixes();
        continue;
      case TokenKind::Close:
        while (!stack.empty() && !IsByteToken(stack.back(), "(")) popTo();
        if (!stack.empty()) stack.pop_back();
        popPrefixes();
        continue;
      case TokenKind::Additive:
        while (!stack.empty() && !IsByteToken(stack.back(), "(,")) popTo();
        stack.push_back(t);
        continue;
      case TokenKind::Multiplicative:
        while (!stack.empty() && IsByteToken(stack.back(), "*@\\^|")) popTo();
        stack.push_back(t);
        continue;
      case TokenKind::Power:
        while (!stack.empty() && IsByteToken(stack.back(), "^|")) popTo();
        stack.push_back(t);
        continue;
      case TokenKind::Comma:
        if (stack.empty()) return CommaMisplaced();
        while (!IsByteToken(stack.back(), "(,")) {
          if (stack.size() == 1) return CommaMisplaced();
          popTo();
        }
        stack.push_back(t);
        continue;
      case TokenKind::Other:
        // Such as a number that begins with the fraction separator: dropped.
        continue;
    }
    break;  // the end marker
  }
  while (!stack.empty()) popTo();
  queue.emplace_back(kEndMarker);
  return queue;
}

}  // namespace tabulex
