#include "engine/fraction_operand.h"

#include "engine/number_text.h"
#include "engine/status_message.h"
#include "engine/text_split.h"

namespace tabulex {

Outcome<FractionOperand> FractionOperandValue(std::string_view token, OperandStyle style) {
  const auto pieces = SplitPieces(token, "/");
  double value = 0.0;
  if (pieces.size() == 3 || pieces.size() == 2) {
    const double denominator = TextToNumber(pieces.back());
    if (IsNearZero(denominator)) return ExpressionError("输入的分数格式错误,分母不能为零！");
    value = pieces.size() == 3 ? TextToNumber(pieces[0]) + TextToNumber(pieces[1]) / denominator
                               : TextToNumber(pieces[0]) / denominator;
  } else {
    return ExpressionError("输入的分数格式错误,缺少分母或分子！");
  }
  return FractionOperand{value,
                         style == OperandStyle::DecimalInput ? style : OperandStyle::FractionInput};
}

}  // namespace tabulex
