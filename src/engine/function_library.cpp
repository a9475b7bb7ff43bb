#include "engine/function_library.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "engine/number_text.h"
#include "engine/sample_statistics.h"
#include "engine/status_message.h"

namespace tabulex {
namespace {

constexpr double kPi = std::numbers::pi;

bool InDegrees(int angleUnit) {
  return angleUnit == 1;
}

Outcome<double> Checked(double r, const char* message) {
  if (!std::isfinite(r)) return CalculationError(message);
  return r;
}

// Arc sine through atan, whose last digits the results keep; outside -1..1 (beyond the
// tolerance) the value is out of the domain.
std::optional<double> ArcSine(double x) {
  if (x - (-1.0) < -kEngineTolerance || x - 1.0 > kEngineTolerance) return std::nullopt;
  return std::atan(x / std::sqrt(1 - x * x));
}

double ToRadians(double x, int angleUnit) {
  return InDegrees(angleUnit) ? x / 180 * kPi : x;
}
double FromRadians(double r, int angleUnit) {
  return InDegrees(angleUnit) ? r / kPi * 180 : r;
}

double HalfDifference(double x) {
  return (std::exp(x) - std::exp(-x)) / 2;
}
double HalfSum(double x) {
  return (std::exp(x) + std::exp(-x)) / 2;
}

Failure ListFunctionError(std::string_view name, std::string_view rest) {
  return CalculationError("求" + std::string(name) + std::string(rest));
}

}  // namespace

bool IsOneArgumentFunction(std::string_view name) {
  static constexpr std::string_view kNames[] = {"sin",  "cos",  "tan",  "asin", "acos",
                                                "atan", "sinh", "cosh", "tanh", "sqr",
                                                "abs",  "int",  "exp",  "ln",   "lg"};
  for (std::string_view n : kNames) {
    if (n == name) return true;
  }
  return false;
}

bool IsListFunction(std::string_view name) {
  return name == "log" || name == "max" || name == "min" || name == "if" || name == "tjfx" ||
         name == "sum";
}

double IntegerPart(double x) {
  const double i = std::trunc(x);
  // Away from zero by the sign of the value itself: int(-0.9999999999999) is -1.
  const double r = std::fabs(x - i) > 0.999999999999 ? i + std::copysign(1.0, x) : i;
  return r + 0.0;  // never "-0"
}

Outcome<double> ApplyOneArgumentFunction(std::string_view name, double x, int angleUnit) {
  if (name == "sin") return Checked(std::sin(ToRadians(x, angleUnit)), "正弦运算错误或溢出！");
  if (name == "cos") return Checked(std::cos(ToRadians(x, angleUnit)), "余弦运算错误或溢出！");
  if (name == "tan") return Checked(std::tan(ToRadians(x, angleUnit)), "正切运算错误或溢出！");
  if (name == "asin") {
    const auto r = ArcSine(x);
    if (!r) return CalculationError("正弦值只能在-1～1之间！");
    return Checked(FromRadians(*r, angleUnit), "反正弦运算错误或溢出！");
  }
  if (name == "acos") {
    const auto r = ArcSine(x);
    if (!r) return CalculationError("余弦值只能在-1～1之间！");
    return FromRadians(kPi / 2 - *r, angleUnit);
  }
  if (name == "atan") return FromRadians(std::atan(x), angleUnit);
  if (name == "sinh") return Checked(HalfDifference(x), "sinh函数运算错误！");
  if (name == "cosh") return Checked(HalfSum(x), "cosh函数运算错误！");
  if (name == "tanh") return Checked(HalfDifference(x) / HalfSum(x), "tanh函数运算错误！");
  if (name == "sqr") return Checked(std::sqrt(x), "平方根运算错误或溢出！");
  if (name == "abs") return std::fabs(x);
  if (name == "int") return IntegerPart(x);
  if (name == "exp") return std::exp(x);
  if (name == "ln") return std::log(x);
  if (name == "lg") return std::log(x) / std::log(10.0);
  return CalculationError("错误的运算符！");
}

Outcome<std::string> ApplyListFunction(std::string_view name,
                                       const std::vector<std::string>& arguments) {
  const std::size_t m = arguments.size();
  if (name == "log") {
    if (m != 2) return ListFunctionError(name, "函数参数数量必须为2！");
    return NumberToText(std::log(TextToNumber(arguments[1])) /
                        std::log(TextToNumber(arguments[0])));
  }
  if (name == "if") {
    const double k = TextToNumber(arguments[0]);
    const double n = static_cast<double>(m) - 1;
    // Written so that a selector that is not a number fails too.
    if (!(k - n <= kEngineTolerance && k - 1.0 >= -kEngineTolerance)) {
      return ListFunctionError(name, "函数第一个参数错误！");
    }
    // Position trunc(k + 1) counted from the selector itself, which lies in 1 .. m.
    return arguments[static_cast<std::size_t>(std::trunc(k + 1)) - 1];
  }
  if (name == "tjfx") {
    if (m < 2) return ListFunctionError(name, "函数参数数量必须大于等于2！");
    const double k = std::trunc(TextToNumber(arguments[0]));
    if (!(k >= 1 && k <= 9)) return ListFunctionError(name, "函数的定义参数超出范围！");
    std::vector<double> values;
    values.reserve(m - 1);
    for (std::size_t i = 1; i < m; ++i) values.push_back(TextToNumber(arguments[i]));
    return NumberToText(SampleStatistics(values, static_cast<SampleMeasure>(static_cast<int>(k))));
  }
  std::vector<double> values;
  values.reserve(m);
  for (const std::string& a : arguments) values.push_back(TextToNumber(a));
  const SampleMeasure measure = name == "max"   ? SampleMeasure::Maximum
                                : name == "min" ? SampleMeasure::Minimum
                                                : SampleMeasure::Sum;
  return NumberToText(SampleStatistics(values, measure));
}

}  // namespace tabulex
