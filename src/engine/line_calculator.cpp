#include "engine/line_calculator.h"

#include "engine/expression_normaliser.h"
#include "engine/expression_text.h"
#include "engine/expression_tokenizer.h"
#include "engine/fraction_conversion.h"
#include "engine/line_cut.h"
#include "engine/postfix_evaluator.h"
#include "engine/result_formatter.h"
#include "engine/status_message.h"

namespace tabulex {

std::string_view CutExpression(std::string_view lineText) {
  std::string_view expression = lineText;
  if (lineText.size() >= 2) {
    const std::size_t equals = lineText.rfind('=', lineText.size() - 2);
    if (equals != std::string_view::npos) expression = lineText.substr(equals + 1);
  }
  if (expression == "=") expression = {};
  return expression;
}

bool LineCalculator::Fail(const Failure& failure) {
  m_context.status.ShowStatus(failure.message);
  return false;
}

bool LineCalculator::Run() {
  EditorBuffer& editor = m_context.editor;
  const CalcSettings& settings = m_context.settings;
  CalculationState& state = m_context.state;
  state.resultWritten = false;

  const std::size_t caret = editor.Caret();
  const LineCut cut =
      CutLine(editor, caret, settings.spaceSeparates ? SpaceMode::Separates : SpaceMode::Ignored);

  if (state.extractRequest) {
    state.extractedLine = cut.lineText;
    editor.Select(cut.removeStart, cut.removeLength);
    editor.ReplaceSelection("");
    state.extractRequest = false;
    return false;
  }

  const std::string_view expression = CutExpression(cut.lineText);
  const bool endsWithEquals = expression.find('=') != std::string::npos;
  const std::string expressionText = PrepareExpressionText(expression);
  if (expressionText == " ") return false;

  if (state.conversionStep == 1) return ConversionStepOne(m_context, expressionText, cut);
  const int fractionDisplay =
      state.conversionStep == 2 ? state.nextFractionDisplay : settings.fractionDisplay;

  const auto normalised = NormaliseExpression(expressionText, settings.thousandsSeparator);
  if (!normalised.ok()) return Fail(normalised.failure());
  auto tokens = ExpressionTokenizer(normalised.value());
  if (!tokens.ok()) return Fail(tokens.failure());
  const Evaluation evaluation = EvaluateExpression(
      std::move(tokens.value()),
      state.conversionStep == 2 ? ConversionRun::SecondStep : ConversionRun::Normal,
      settings.angleUnit);
  if (evaluation.reachedEnd) state.evaluationReached = true;
  if (evaluation.failure) return Fail(*evaluation.failure);

  const FormattedResult result =
      ResultFormatter(ResultRequest{evaluation.result, evaluation.style, expressionText,
                                    state.conversionStep, fractionDisplay, endsWithEquals},
                      settings);
  auto& accumulator = state.accumulatorList;
  if (result.bareNumber) {
    if (state.keepsAccumulator) {
      accumulator.push_back({static_cast<int>(accumulator.size()) + 1, "", result.shown});
    }
    m_context.status.ShowStatus(
        StatusMessage(StatusKind::Hint, "没有可计算的表达式,值已加入累加器！"));
    return false;
  }
  state.resultWritten = true;
  if (settings.resultToClipboard) m_context.clipboard.SetText(result.shown);
  state.lastResult = result.shown;

  if (state.conversionStep == 0) editor.SetCaret(cut.insertPosition);
  const auto spaces = static_cast<std::size_t>(cut.separatorSpaces);
  editor.ReplaceSelection(result.written + std::string(spaces, ' '));
  editor.SetCaret(editor.Caret() - spaces);

  if (state.keepsAccumulator) {
    accumulator.push_back({static_cast<int>(accumulator.size()) + 1, expressionText, result.shown});
  }
  return true;
}

}  // namespace tabulex
