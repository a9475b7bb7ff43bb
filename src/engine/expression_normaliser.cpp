#include "engine/expression_normaliser.h"

#include "engine/bracket_checker.h"
#include "engine/gbk_chars.h"
#include "engine/status_message.h"

namespace tabulex {
namespace {

bool IsBracket(char c) {
  return c == '(' || c == ')' || c == '[' || c == ']' || c == '{' || c == '}';
}

bool EndsWithNumberByte(const std::string& out) {
  return !out.empty() && (out.back() == '.' || (out.back() >= '0' && out.back() <= '9'));
}

}  // namespace

Outcome<std::string> NormaliseExpression(std::string_view text, int thousandsSeparator) {
  std::string out;
  out.reserve(text.size() + 8);
  BracketChecker brackets;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      const std::string_view ch = text.substr(i, 2);
      if (ch == gbk::kTimes) {
        out += '*';
      } else if (ch == gbk::kDivide) {
        out += '@';
      } else if (ch == gbk::kRoot) {
        out += '|';
      } else if (ch == gbk::kFractionSeparator) {
        out += '/';
      } else if (ch == gbk::kPerMille) {
        out.append(gbk::kPerMille);
      } else if (ch == gbk::kPi) {
        out += (!out.empty() && out.back() == ')') || EndsWithNumberByte(out) ? "*pi" : "pi";
      } else {
        return ExpressionError("有不可识别的汉字字符！");
      }
      i += 2;
      continue;
    }

    const char ch = static_cast<char>(byte);
    // A number running into a name multiplies it: 5sin2, 2pi, 3e. Never before "b", so that
    // a binary literal 0b1 stays whole.
    if (ch >= 'a' && ch <= 'z' && ch != 'b' && EndsWithNumberByte(out)) out += '*';
    switch (ch) {
      case '[':
      case '{':
        out += '(';
        break;
      case ']':
      case '}':
        out += ')';
        break;
      case ',':
        if (thousandsSeparator == 0 || thousandsSeparator == 1) out += ',';
        break;
      case ';':
        if (thousandsSeparator == 0 || thousandsSeparator == 2) out += ',';
        break;
      case '/':
        out += '@';
        break;
      default:
        out += ch;
        break;
    }
    if (IsBracket(ch)) {
      if (auto failure = brackets.CheckBracket(ch)) return *failure;
      brackets.CountBracket(ch);
    }
    ++i;
  }
  if (auto failure = brackets.CheckBracketTotals()) return *failure;
  return out;
}

}  // namespace tabulex
