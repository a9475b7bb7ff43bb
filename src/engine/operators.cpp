#include "engine/operators.h"

#include <cmath>

#include "engine/expression_tokenizer.h"
#include "engine/function_library.h"
#include "engine/gbk_chars.h"
#include "engine/number_text.h"
#include "engine/status_message.h"

namespace tabulex {
namespace {

Outcome<double> Checked(double r, const char* message) {
  if (!std::isfinite(r)) return CalculationError(message);
  return r;
}

Outcome<double> Factorial(double x) {
  const double whole = IntegerPart(x);
  if (!std::isfinite(x) || x <= kEngineTolerance || x - 150 > kEngineTolerance ||
      std::fabs(x - whole) > kEngineTolerance) {
    return CalculationError("阶乘的参数必须是一个整数且大于零,小于等于150！");
  }
  // The integer the check accepted: 2.9999999999999 counts as 3, so it is 3! as well.
  const int n = static_cast<int>(whole);
  double product = 1.0;
  for (int k = 1; k <= n; ++k) product *= k;
  return product;
}

}  // namespace

bool IsBinaryOperator(std::string_view token) {
  return IsByteToken(token, "+-*@\\^|");
}

bool IsUnaryOperator(std::string_view token) {
  return IsByteToken(token, "!%~") || token == gbk::kPerMille;
}

Outcome<double> ApplyBinaryOperator(std::string_view op, double x, double y) {
  switch (op[0]) {
    case '+':
      return Checked(x + y, "加法运算错误或溢出！");
    case '-':
      return Checked(x - y, "减法运算错误！");
    case '*':
      return Checked(x * y, "乘法运算错误或溢出！");
    case '@':
      return Checked(x / y, "除法运算错误！");
    case '\\': {
      const double quotient = x / y;
      if (!std::isfinite(quotient)) return CalculationError("求余运算错误！");
      return std::trunc(quotient) + 0.0;  // + 0.0: -1\2 is 0, not "-0"
    }
    case '^':
      return Checked(std::pow(x, y), "乘方运算错误或溢出！");
    case '|':
      return Checked(std::pow(y, 1.0 / x), "开根错误或溢出！");
    default:
      return CalculationError("错误的运算符！");
  }
}

Outcome<double> ApplyUnaryOperator(std::string_view op, double x) {
  if (op == "!") return Factorial(x);
  if (op == "%") return x / 100;
  if (op == gbk::kPerMille) return x / 1000;
  if (op == "~") return x * -1;
  return CalculationError("错误的运算符！");
}

}  // namespace tabulex
