#include "engine/postfix_evaluator.h"

#include <iterator>
#include <vector>

#include "engine/fraction_operand.h"
#include "engine/function_library.h"
#include "engine/gbk_text.h"
#include "engine/number_text.h"
#include "engine/operators.h"
#include "engine/sign_marker.h"
#include "engine/status_message.h"

namespace tabulex {
namespace {

bool IsNumberToken(std::string_view t) {
  const char c = t[0];
  return (c >= '0' && c <= '9') || c == '.' || c == '/' || ((c == '+' || c == '-') && t.size() > 1);
}

// The value of a binary literal "0b101"; "0b" alone is 0.
double BinaryLiteralValue(std::string_view literal) {
  double value = 0.0;
  for (char digit : literal.substr(2)) value = value * 2 + (digit == '1' ? 1 : 0);
  return value;
}

// An entry of the operand stack: one value text, or an argument list joined by ",". A list
// keeps its pieces, last first, so that a list of any length grows in linear time; as a text
// it reads "a,b,c".
struct Operand {
  std::string text;                   // a single value
  std::vector<std::string> reversed;  // the pieces of a list, last first

  bool IsList() const { return !reversed.empty(); }
  std::vector<std::string> Pieces() const {
    if (!IsList()) return {text};
    return {reversed.rbegin(), reversed.rend()};
  }
  std::string Text() const {
    if (!IsList()) return text;
    std::string joined;
    for (auto piece = reversed.rbegin(); piece != reversed.rend(); ++piece) {
      if (!joined.empty()) joined += ',';
      joined += *piece;
    }
    return joined;
  }
};

class Evaluator {
 public:
  Evaluator(ConversionRun run, int angleUnit) : m_run(run), m_angleUnit(angleUnit) {}

  Evaluation Run(const PostfixQueue& queue) {
    Evaluation evaluation;
    m_operands.reserve(queue.size());
    for (std::string_view t : queue) {
      if (t == kEndMarker) break;
      if (auto failure = Apply(t)) {
        evaluation.failure = std::move(failure);
        return evaluation;
      }
    }
    if (m_style == OperandStyle::DecimalInput) m_style = OperandStyle::Plain;
    if (m_run == ConversionRun::SecondStep) m_style = OperandStyle::FractionInput;
    evaluation.reachedEnd = true;
    evaluation.style = m_style;
    if (m_operands.size() != 1) {
      evaluation.failure = ExpressionError("表达式无法完整计算，因为缺少必要的运算符！");
      return evaluation;
    }
    evaluation.result = m_operands.back().Text();
    return evaluation;
  }

 private:
  std::optional<Failure> Apply(std::string_view t) {
    if (t == ",") return JoinArguments();
    if (IsNumberToken(t)) return PushNumber(t);
    if (IsBinaryOperator(t)) return ApplyBinary(t);
    if (IsUnaryOperator(t) || IsOneArgumentFunction(t)) return ApplyUnary(t);
    if (IsListFunction(t)) return ApplyList(t);
    return CalculationError("错误的运算符！");
  }

  void Push(std::string text) { m_operands.emplace_back().text = std::move(text); }

  std::optional<Failure> JoinArguments() {
    if (m_operands.size() <= 1) return ExpressionError("请检查操作符前后是否缺少操作数！");
    Operand top = std::move(m_operands.back());
    m_operands.pop_back();
    Operand& second = m_operands.back();
    if (!top.IsList()) top.reversed.push_back(std::move(top.text));
    if (second.IsList()) {
      top.reversed.insert(top.reversed.end(), std::make_move_iterator(second.reversed.begin()),
                          std::make_move_iterator(second.reversed.end()));
    } else {
      top.reversed.push_back(std::move(second.text));
    }
    second = Operand{{}, std::move(top.reversed)};
    return std::nullopt;
  }

  std::optional<Failure> PushNumber(std::string_view t) {
    // A leading point gets its zero: ".5" is "0.5".
    const std::string withZero = t[0] == '.' ? "0" + std::string(t) : std::string();
    if (!withZero.empty()) t = withZero;
    bool hasPoint = false;
    bool hasSeparator = false;
    for (const char c : t) {
      hasPoint = hasPoint || c == '.';
      hasSeparator = hasSeparator || c == '/';
    }
    if (hasPoint) m_style = OperandStyle::DecimalInput;
    if (t.starts_with("0b")) {
      Push(NumberToText(BinaryLiteralValue(t)));
    } else if (!hasSeparator) {
      m_operands.emplace_back().text.assign(t);  // kept as written until an operation reads it
    } else {
      const auto fraction = FractionOperandValue(t, m_style);
      if (!fraction.ok()) return fraction.failure();
      m_style = fraction.value().style;
      Push(NumberToText(fraction.value().value));
    }
    return std::nullopt;
  }

  std::optional<Failure> ApplyBinary(std::string_view t) {
    if (m_operands.size() <= 1) return ExpressionError("请检查操作符前后是否缺少操作数！");
    Operand& second = m_operands[m_operands.size() - 2];
    const Operand& top = m_operands.back();
    if (top.IsList() || second.IsList()) return ExpressionError("逗号位置错误！");
    const auto r = ApplyBinaryOperator(t, TextToNumber(second.text), TextToNumber(top.text));
    if (!r.ok()) return r.failure();
    second.text = NumberToText(r.value());
    m_operands.pop_back();
    return std::nullopt;
  }

  std::optional<Failure> ApplyUnary(std::string_view t) {
    m_style = OperandStyle::DecimalInput;
    if (m_operands.empty()) return CalculationError(GbkToUtf8(t) + "函数参数不能为空！");
    Operand& top = m_operands.back();
    if (top.IsList()) {
      return CalculationError("为" + GbkToUtf8(t) + "函数提供过多的参数，函数参数必须为1个！");
    }
    const double x = TextToNumber(top.text);
    const auto r =
        IsUnaryOperator(t) ? ApplyUnaryOperator(t, x) : ApplyOneArgumentFunction(t, x, m_angleUnit);
    if (!r.ok()) return r.failure();
    top.text = NumberToText(r.value());
    if (t == "~") m_style = OperandStyle::FractionInput;
    return std::nullopt;
  }

  std::optional<Failure> ApplyList(std::string_view t) {
    m_style = OperandStyle::DecimalInput;
    if (m_operands.empty()) return CalculationError("求" + std::string(t) + "函数参数不能为空！");
    const auto r = ApplyListFunction(t, m_operands.back().Pieces());
    if (!r.ok()) return r.failure();
    m_operands.back() = Operand{r.value(), {}};
    return std::nullopt;
  }

  ConversionRun m_run;
  int m_angleUnit;
  OperandStyle m_style{OperandStyle::Plain};
  std::vector<Operand> m_operands;
};

}  // namespace

Evaluation PostfixEvaluator(const PostfixQueue& queue, ConversionRun run, int angleUnit) {
  return Evaluator(run, angleUnit).Run(queue);
}

Evaluation EvaluateExpression(TokenList tokens, ConversionRun run, int angleUnit) {
  auto queue = PostfixConverter(SignMarker(std::move(tokens)));
  if (!queue.ok()) {
    Evaluation failed;
    failed.failure = queue.failure();
    return failed;
  }
  return PostfixEvaluator(queue.value(), run, angleUnit);
}

}  // namespace tabulex
