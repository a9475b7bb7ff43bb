#include "engine/postfix_evaluator.h"

#include <vector>

#include "engine/fraction_operand.h"
#include "engine/function_library.h"
#include "engine/gbk_text.h"
#include "engine/number_text.h"
#include "engine/operators.h"
#include "engine/sign_marker.h"
#include "engine/status_message.h"
#include "engine/text_split.h"

namespace tabulex {
namespace {

bool IsNumberToken(const std::string& t) {
  const char c = t[0];
  return (c >= '0' && c <= '9') || c == '/' || ((c == '+' || c == '-') && t.size() > 1);
}

// The value of a binary literal "0b101"; "0b" alone is 0.
double BinaryLiteralValue(std::string_view literal) {
  double value = 0.0;
  for (char digit : literal.substr(2))
    value = value * 2 + (digit == '1' ? 1 : 0);
  return value;
}

class Evaluator {
 public:
  Evaluator(ConversionRun run, int angleUnit) : m_run(run), m_angleUnit(angleUnit) {}

  Evaluation Run(const PostfixQueue& queue) {
    Evaluation evaluation;
    for (const std::string& t : queue) {
      if (t == kEndMarker)
        break;
      if (auto failure = Apply(t)) {
        evaluation.failure = std::move(failure);
        return evaluation;
      }
    }
    if (m_style == OperandStyle::DecimalInput)
      m_style = OperandStyle::Plain;
    if (m_run == ConversionRun::SecondStep)
      m_style = OperandStyle::FractionInput;
    evaluation.reachedEnd = true;
    evaluation.style = m_style;
    if (m_operands.size() != 1) {
      evaluation.failure = ExpressionError("表达式无法完整计算，因为缺少必要的运算符！");
      return evaluation;
    }
    evaluation.result = std::move(m_operands.back());
    return evaluation;
  }

 private:
  std::optional<Failure> Apply(const std::string& t) {
    if (t == ",")
      return JoinArguments();
    if (IsNumberToken(t))
      return PushNumber(t);
    if (IsBinaryOperator(t))
      return ApplyBinary(t);
    if (IsUnaryOperator(t) || IsOneArgumentFunction(t))
      return ApplyUnary(t);
    if (IsListFunction(t))
      return ApplyList(t);
    return CalculationError("错误的运算符！");
  }

  std::optional<Failure> JoinArguments() {
    if (m_operands.size() <= 1)
      return ExpressionError("请检查操作符前后是否缺少操作数！");
    std::string top = std::move(m_operands.back());
    m_operands.pop_back();
    m_operands.back() += ',';
    m_operands.back() += top;
    return std::nullopt;
  }

  std::optional<Failure> PushNumber(const std::string& t) {
    if (t.find('.') != std::string::npos)
      m_style = OperandStyle::DecimalInput;
    if (t.starts_with("0b")) {
      m_operands.push_back(NumberToText(BinaryLiteralValue(t)));
    } else if (t.find('/') == std::string::npos) {
      m_operands.push_back(t);  // kept as written until an operation reads it
    } else {
      const auto fraction = FractionOperandValue(t, m_style);
      if (!fraction.ok())
        return fraction.failure();
      m_style = fraction.value().style;
      m_operands.push_back(NumberToText(fraction.value().value));
    }
    return std::nullopt;
  }

  std::optional<Failure> ApplyBinary(const std::string& t) {
    if (m_operands.size() <= 1)
      return ExpressionError("请检查操作符前后是否缺少操作数！");
    std::string& second = m_operands[m_operands.size() - 2];
    const std::string& top = m_operands.back();
    if (CountPieces(top, ",") != 1 || CountPieces(second, ",") != 1) {
      return ExpressionError("逗号位置错误！");
    }
    const auto r = ApplyBinaryOperator(t, TextToNumber(second), TextToNumber(top));
    if (!r.ok())
      return r.failure();
    second = NumberToText(r.value());
    m_operands.pop_back();
    return std::nullopt;
  }

  std::optional<Failure> ApplyUnary(const std::string& t) {
    m_style = OperandStyle::DecimalInput;
    const std::string name = GbkToUtf8(t);
    if (m_operands.empty())
      return CalculationError(name + "函数参数不能为空！");
    if (CountPieces(m_operands.back(), ",") != 1) {
      return CalculationError("为" + name + "函数提供过多的参数，函数参数必须为1个！");
    }
    const double x = TextToNumber(m_operands.back());
    const auto r =
        IsUnaryOperator(t) ? ApplyUnaryOperator(t, x) : ApplyOneArgumentFunction(t, x, m_angleUnit);
    if (!r.ok())
      return r.failure();
    m_operands.back() = NumberToText(r.value());
    if (t == "~")
      m_style = OperandStyle::FractionInput;
    return std::nullopt;
  }

  std::optional<Failure> ApplyList(const std::string& t) {
    m_style = OperandStyle::DecimalInput;
    if (m_operands.empty())
      return CalculationError("求" + t + "函数参数不能为空！");
    const auto arguments = SplitPieces(m_operands.back(), ",");
    if (arguments.empty())
      return CalculationError("求" + t + "函数参数不能为空！");
    const auto r = ApplyListFunction(t, arguments);
    if (!r.ok())
      return r.failure();
    m_operands.back() = r.value();
    return std::nullopt;
  }

  ConversionRun m_run;
  int m_angleUnit;
  OperandStyle m_style{OperandStyle::Plain};
  std::vector<std::string> m_operands;
};

}  // namespace

Evaluation PostfixEvaluator(const PostfixQueue& queue, ConversionRun run, int angleUnit) {
  return Evaluator(run, angleUnit).Run(queue);
}

Evaluation EvaluateExpression(const TokenList& tokens, ConversionRun run, int angleUnit) {
  auto queue = PostfixConverter(SignMarker(tokens));
  if (!queue.ok()) {
    Evaluation failed;
    failed.failure = queue.failure();
    return failed;
  }
  return PostfixEvaluator(queue.value(), run, angleUnit);
}

}  // namespace tabulex
