// PostfixEvaluator: evaluates the postfix queue over a stack of operand texts. Every
// operation reads its operands with TextToNumber and stores its result with NumberToText, so
// each intermediate result carries 13 significant digits.
#pragma once

#include <optional>
#include <string>

#include "engine/operand_style.h"
#include "engine/outcome.h"
#include "engine/postfix_converter.h"

namespace tabulex {

enum class ConversionRun { Normal, SecondStep };

struct Evaluation {
  std::optional<Failure> failure;  // the first problem, if any
  std::string result;              // the single operand left, on success
  OperandStyle style{OperandStyle::Plain};
  bool reachedEnd{false};  // the whole queue was read (also when the final check then fails)
};

// angleUnit: 1 degrees, anything else radians.
Evaluation PostfixEvaluator(const PostfixQueue& queue, ConversionRun run, int angleUnit);

// The three passes: SignMarker, PostfixConverter, PostfixEvaluator.
Evaluation EvaluateExpression(TokenList tokens, ConversionRun run, int angleUnit);

}  // namespace tabulex
