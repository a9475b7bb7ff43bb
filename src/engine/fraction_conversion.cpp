#include "engine/fraction_conversion.h"

#include "engine/current_line.h"
#include "engine/expression_text.h"
#include "engine/gbk_chars.h"
#include "engine/gbk_text.h"
#include "engine/line_calculator.h"
#include "engine/status_message.h"
#include "engine/text_split.h"

namespace tabulex {
namespace {

// Only digits, ".", ",", ";", "-", spaces and the fraction separator make a written result.
bool IsWrittenResult(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = GbkCharLength(text, i);
    if (length == 2) {
      if (text.substr(i, 2) != gbk::kFractionSeparator) return false;
    } else {
      const char c = text[i];
      if (!((c >= '0' && c <= '9') || c == '.' || c == ',' || c == ';' || c == ' ' || c == '-')) {
        return false;
      }
    }
    i += length;
  }
  return true;
}

// A value is converted only where it stands behind its expression. One that begins its line,
// or has nothing but spaces before it there (or, with space-separated expressions, is a
// segment of its own), is a typed number: removing "=" and the value would lose the value.
bool StandsBehindExpression(const EditorBuffer& editor, std::size_t valueStart,
                            std::size_t lineBegin, bool spaceSeparates) {
  if (valueStart == 0) return false;
  if (valueStart >= 2 && editor.ByteAt(valueStart - 2) == '\r' &&
      editor.ByteAt(valueStart - 1) == '\n') {
    return false;
  }
  if (spaceSeparates && editor.ByteAt(valueStart - 1) == ' ') return false;
  if (valueStart < lineBegin) return false;
  const std::string before = editor.Slice(lineBegin, valueStart - lineBegin);
  return !RemoveSpaces(before).empty();
}

}  // namespace

bool ConversionStepOne(const CalcContext& context, const std::string& expressionText,
                       const LineCut& cut) {
  if (!IsWrittenResult(expressionText)) {
    context.status.ShowStatus(StatusMessage(StatusKind::ConversionRefused, "请先计算再转换！"));
    return false;
  }
  const std::size_t valueLength = expressionText.size() - 1;
  switch (CountPieces(expressionText, gbk::kFractionSeparator)) {
    case 1:
      context.state.nextFractionDisplay = 1;
      break;
    case 2:
      context.state.nextFractionDisplay = 2;
      break;
    case 3:
      context.state.nextFractionDisplay = 0;
      break;
    default:
      context.status.ShowStatus(StatusMessage(StatusKind::ConversionRefused, "分数格式错误！"));
      return false;
  }
  EditorBuffer& editor = context.editor;
  const std::size_t end = cut.insertPosition;
  // The value must stand in the editor exactly as read: one typed with full-width digits or
  // inner spaces is shorter in the expression than on the line, and cutting by its length
  // would take the wrong bytes.
  if (end > editor.Length() || valueLength >= end ||
      editor.Slice(end - valueLength, valueLength) != expressionText.substr(0, valueLength) ||
      !StandsBehindExpression(editor, end - valueLength,
                              FindCurrentLine(editor, editor.Caret()).begin,
                              context.settings.spaceSeparates)) {
    return false;
  }
  editor.Select(end - valueLength - 1, valueLength + 1);
  editor.ReplaceSelection("");
  return true;
}

void FractionConversion(const CalcContext& context) {
  CalculationState& state = context.state;
  state.conversionStep = 1;
  if (LineCalculator(context).Run()) {
    state.conversionStep = 2;
    LineCalculator(context).Run();
  }
  state.conversionStep = 0;
}

}  // namespace tabulex
