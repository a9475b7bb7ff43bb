#include "engine/recalculation.h"

#include "engine/calculate_current_line.h"
#include "engine/gbk_chars.h"
#include "engine/line_calculator.h"
#include "engine/status_message.h"
#include "engine/text_split.h"

namespace tabulex {
namespace {

// What the user typed after an old result: the result itself (sign, digits, ".", group marks
// and fraction separators) is dropped, "+5" of "18+5" stays. A power-of-ten form keeps its
// "×10^" part, which no rule drops.
std::string Continuation(const std::string& piece) {
  std::size_t i = 0;
  if (i < piece.size() && (piece[i] == '-' || piece[i] == '+')) ++i;
  for (;;) {
    if (i < piece.size() && ((piece[i] >= '0' && piece[i] <= '9') || piece[i] == '.' ||
                             piece[i] == ';' || piece[i] == ',')) {
      ++i;
    } else if (piece.compare(i, gbk::kFractionSeparator.size(), gbk::kFractionSeparator) == 0) {
      i += gbk::kFractionSeparator.size();
    } else {
      break;
    }
  }
  return piece.substr(i);
}

void TakeLineOut(const CalcContext& context) {
  context.state.extractRequest = true;
  LineCalculator(context).Run();
}

}  // namespace

void RecalculateLine(const CalcContext& context) {
  CalculationState& state = context.state;
  EditorBuffer& editor = context.editor;
  TakeLineOut(context);
  const std::string extracted = state.extractedLine;
  const std::vector<std::string> pieces = SplitPieces(extracted, "=");
  if (pieces.size() <= 1) {
    editor.ReplaceSelection(extracted);
    return;
  }

  std::vector<std::string> parts{pieces.front()};
  for (std::size_t i = 1; i < pieces.size(); ++i) parts.push_back(Continuation(pieces[i]));
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    editor.ReplaceSelection(parts[i]);
    state.evaluationReached = false;
    CalculateCurrentLine(context);
  }
  editor.ReplaceSelection(parts.back());

  // Only the last step decides: its evaluation ran to the end of its expression.
  if (state.evaluationReached) {
    context.status.ShowStatus(StatusMessage(StatusKind::Hint, "重算成功！"));
    return;
  }
  TakeLineOut(context);
  editor.ReplaceSelection(extracted);
  context.status.ShowStatus(StatusMessage(StatusKind::Hint, "重算失败,请重新检查表达式再重算！"));
}

}  // namespace tabulex
