#include "engine/expression_tokenizer.h"

#include <array>
#include <optional>

#include "engine/gbk_chars.h"
#include "engine/status_message.h"

namespace tabulex {
namespace {

constexpr std::array<std::string_view, 7> kFourLetterFunctions = {"asin", "sinh", "acos", "cosh",
                                                                  "atan", "tanh", "tjfx"};
constexpr std::array<std::string_view, 11> kThreeLetterFunctions = {
    "sin", "cos", "sum", "tan", "sqr", "log", "exp", "abs", "int", "max", "min"};
constexpr std::array<std::string_view, 3> kTwoLetterFunctions = {"lg", "ln", "if"};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return c >= 'a' && c <= 'z';
}
bool IsNumberByte(char c) {
  return IsDigit(c) || c == '.' || c == '/';
}

template <std::size_t N>
bool StartsWithOneOf(std::string_view rest, const std::array<std::string_view, N>& names,
                     std::string_view& found) {
  for (std::string_view name : names) {
    if (rest.starts_with(name)) {
      found = name;
      return true;
    }
  }
  return false;
}

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text) : m_text(text) {}

  Outcome<TokenList> Run() {
    m_tokens.reserve(m_text.size() / 2 + 2);
    while (m_i < m_text.size() && m_text[m_i] != ' ') {
      if (auto failure = Step()) return *failure;
    }
    m_tokens.emplace_back(kEndMarker);
    return std::move(m_tokens);
  }

 private:
  char At(std::size_t i) const { return i < m_text.size() ? m_text[i] : '\0'; }
  char Before() const { return m_i > 0 ? m_text[m_i - 1] : '\0'; }
  char After(std::size_t width = 1) const { return At(m_i + width); }
  bool TwoBefore(std::string_view pair) const {
    return m_i >= 2 && m_text.substr(m_i - 2, 2) == pair;
  }
  std::string_view Rest() const { return m_text.substr(m_i); }

  // A number may not follow a closing bracket, a constant or a postfix operator directly.
  bool NumberMayStartHere() const {
    const char before = Before();
    if (before == ')' || before == 'e' || before == '%' || before == '!') return false;
    if (before == 'i') return !TwoBefore("pi");
    if (before == gbk::kPerMille[1]) return !TwoBefore(gbk::kPerMille);
    return true;
  }

  std::optional<Failure> Step() {
    const char c = m_text[m_i];
    std::string_view name;

    // A binary literal: "0b" where a number starts, then binary digits; one number token.
    if (c == '0' && After() == 'b') {
      if (!NumberMayStartHere()) return ExpressionError("缺少必要的运算符！");
      std::size_t end = m_i + 2;
      while (At(end) == '0' || At(end) == '1') ++end;
      m_tokens.emplace_back(m_text.substr(m_i, end - m_i));
      m_i = end;
      return std::nullopt;
    }
    if (IsNumberByte(c)) return Number();
    if (c == '+' || c == '-' || c == '*' || c == '@' || c == '(' || c == ')') {
      return OperatorOrBracket(c);
    }
    if (StartsWithOneOf(Rest(), kFourLetterFunctions, name) ||
        StartsWithOneOf(Rest(), kThreeLetterFunctions, name)) {
      m_tokens.emplace_back(name);
      m_i += name.size();
      return std::nullopt;
    }
    if (Rest().starts_with("pi")) {
      if (IsLetter(After(2))) return ExpressionError("缺少必要的运算符！");
      m_tokens.emplace_back(kPiText);
      m_i += 2;
      return std::nullopt;
    }
    if (c == 'e') {
      if (IsLetter(After())) return ExpressionError("缺少必要的运算符！");
      if (Before() == ')') m_tokens.emplace_back("*");
      m_tokens.emplace_back(kEText);
      ++m_i;
      return std::nullopt;
    }
    if (StartsWithOneOf(Rest(), kTwoLetterFunctions, name)) {
      m_tokens.emplace_back(name);
      m_i += 2;
      return std::nullopt;
    }
    if (c == '^' || c == '!' || c == '\\' || c == '%' || c == ',') {
      m_tokens.push_back(m_text.substr(m_i, 1));
      ++m_i;
      return std::nullopt;
    }
    if (c == '|') {
      // After an operand the bar is the binary root (4|27); elsewhere a square root.
      m_tokens.emplace_back(IsDigit(Before()) || Before() == ')' ? "|" : "sqr");
      ++m_i;
      return std::nullopt;
    }
    if (Rest().starts_with(gbk::kPerMille)) {
      m_tokens.emplace_back(gbk::kPerMille);
      m_i += 2;
      return std::nullopt;
    }
    if (c == '=' || c == ';') {
      ++m_i;
      return std::nullopt;
    }
    return ExpressionError("有不可识别的字符！");
  }

  // A run of digits, "." and "/": one number token.
  std::optional<Failure> Number() {
    if (!NumberMayStartHere()) return ExpressionError("缺少必要的运算符！");
    const std::size_t start = m_i;
    int decimalPoints = 0;
    for (; m_i < m_text.size() && IsNumberByte(m_text[m_i]); ++m_i) {
      if (m_text[m_i] == '.') ++decimalPoints;
    }
    m_tokens.push_back(m_text.substr(start, m_i - start));
    if (decimalPoints > 1) return ExpressionError("单个操作数中小数点不能多于1个！");
    return std::nullopt;
  }

  std::optional<Failure> OperatorOrBracket(char c) {
    if (c == ')') {
      // ")" runs into an operand without an operator; the constant e alone multiplies.
      const char after = After();
      const bool constantE = after == 'e' && !IsLetter(After(2));
      if ((IsLetter(after) && !constantE) || after == '.' || IsDigit(after)) {
        return ExpressionError("错误，缺少必要的运算符！");
      }
    }
    if (c == '(' && (IsDigit(Before()) || Before() == ')' || Before() == 'e' || TwoBefore("pi"))) {
      m_tokens.emplace_back("*");
    }
    m_tokens.push_back(m_text.substr(m_i, 1));
    ++m_i;
    return std::nullopt;
  }

  std::string_view m_text;
  std::size_t m_i{0};
  TokenList m_tokens;
};

}  // namespace

Outcome<TokenList> ExpressionTokenizer(std::string_view normalisedText) {
  return Tokenizer(normalisedText).Run();
}

}  // namespace tabulex
