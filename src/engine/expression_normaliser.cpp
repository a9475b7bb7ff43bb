#include "engine/expression_normaliser.h"

#include <algorithm>

#include "engine/bracket_checker.h"
#include "engine/gbk_chars.h"
#include "engine/status_message.h"

namespace tabulex {
namespace {

bool IsBracket(char c) {
  return c == '(' || c == ')' || c == '[' || c == ']' || c == '{' || c == '}';
}

bool IsNumberByte(char c) {
  return c == '.' || (c >= '0' && c <= '9');
}

}  // namespace

Outcome<std::string> NormaliseExpression(std::string_view text, int thousandsSeparator) {
  // Every input byte gives at most two output bytes (a "*" before a name, "*pi" for the two
  // bytes of π): the text is written through a pointer and cut to length once.
  std::string out(2 * text.size(), '\0');
  char* const begin = out.data();
  char* o = begin;
  const auto endsWithNumberByte = [&] { return o != begin && IsNumberByte(o[-1]); };
  BracketChecker brackets;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      const std::string_view ch = text.substr(i, 2);
      if (ch == gbk::kTimes) {
        *o++ = '*';
      } else if (ch == gbk::kDivide) {
        *o++ = '@';
      } else if (ch == gbk::kRoot) {
        *o++ = '|';
      } else if (ch == gbk::kFractionSeparator) {
        *o++ = '/';
      } else if (ch == gbk::kPerMille) {
        o = std::copy(gbk::kPerMille.begin(), gbk::kPerMille.end(), o);
      } else if (ch == gbk::kPi) {
        if ((o != begin && o[-1] == ')') || endsWithNumberByte()) *o++ = '*';
        *o++ = 'p';
        *o++ = 'i';
      } else {
        return ExpressionError("有不可识别的汉字字符！");
      }
      i += 2;
      continue;
    }

    const char ch = static_cast<char>(byte);
    // A number running into a name multiplies it: 5sin2, 2pi, 3e. Never before "b", so that
    // a binary literal 0b1 stays whole.
    if (ch >= 'a' && ch <= 'z' && ch != 'b' && endsWithNumberByte()) *o++ = '*';
    switch (ch) {
      case '[':
      case '{':
        *o++ = '(';
        break;
      case ']':
      case '}':
        *o++ = ')';
        break;
      case ',':
        if (thousandsSeparator == 0 || thousandsSeparator == 1) *o++ = ',';
        break;
      case ';':
        if (thousandsSeparator == 0 || thousandsSeparator == 2) *o++ = ',';
        break;
      case '/':
        *o++ = '@';
        break;
      default:
        *o++ = ch;
        break;
    }
    if (IsBracket(ch)) {
      if (auto failure = brackets.CheckBracket(ch)) return *failure;
      brackets.CountBracket(ch);
    }
    ++i;
  }
  if (auto failure = brackets.CheckBracketTotals()) return *failure;
  out.resize(static_cast<std::size_t>(o - begin));
  return out;
}

}  // namespace tabulex
