#include "engine/bracket_checker.h"

#include "engine/status_message.h"

namespace tabulex {

std::optional<Failure> BracketChecker::CheckBracket(char typed) {
  char opener = 0;
  const char* message = nullptr;
  switch (typed) {
    case '(':
    case '[':
    case '{':
      m_bracketStack.push_back(typed);
      return std::nullopt;
    case ')':
      opener = '(', message = "错误，表达式中括号不匹配！";
      break;
    case ']':
      opener = '[', message = "错误，表达式中中括号不匹配！";
      break;
    case '}':
      opener = '{', message = "错误，表达式中大括号不匹配！";
      break;
    default:
      return std::nullopt;
  }
  if (m_bracketStack.empty() || m_bracketStack.back() != opener) return ExpressionError(message);
  m_bracketStack.pop_back();
  return std::nullopt;
}

void BracketChecker::CountBracket(char typed) {
  switch (typed) {
    case '(':
      ++m_round;
      break;
    case ')':
      --m_round;
      break;
    case '[':
      ++m_square;
      break;
    case ']':
      --m_square;
      break;
    case '{':
      ++m_curly;
      break;
    case '}':
      --m_curly;
      break;
    default:
      break;
  }
}

std::optional<Failure> BracketChecker::CheckBracketTotals() const {
  if (m_round > 0) return ExpressionError("错误，公式缺少右括号！");
  if (m_square > 0) return ExpressionError("错误，公式缺少右中括号！");
  if (m_curly > 0) return ExpressionError("错误，公式缺少右大括号！");
  return std::nullopt;
}

}  // namespace tabulex
