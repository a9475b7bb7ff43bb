// The operators of the engine: the binary ones ("+" "-" "*" "@" "\" "^" and the root "|"),
// the postfix ones ("!" "%" "‰") and the negation "~". Each computes in double precision and
// checks its result as the operator requires.
#pragma once

#include <string_view>

#include "engine/outcome.h"

namespace tabulex {

bool IsBinaryOperator(std::string_view token);
// "!", "%", "‰" and "~".
bool IsUnaryOperator(std::string_view token);

// x is the left operand, y the right one.
Outcome<double> ApplyBinaryOperator(std::string_view op, double x, double y);
Outcome<double> ApplyUnaryOperator(std::string_view op, double x);

}  // namespace tabulex
