// The 21 named functions: fifteen of one argument and six over an argument list. The
// trigonometric ones follow the angle unit (1 degrees, anything else radians).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/outcome.h"

namespace tabulex {

bool IsOneArgumentFunction(std::string_view name);
bool IsListFunction(std::string_view name);

Outcome<double> ApplyOneArgumentFunction(std::string_view name, double x, int angleUnit);

// arguments: the operand text split at ",". The result is an operand text ("if" hands back
// the chosen argument unchanged).
Outcome<std::string> ApplyListFunction(std::string_view name,
                                       const std::vector<std::string>& arguments);

// The integer part as "int" takes it: truncated toward zero, except that a value within
// 0.000000000001 of the next integer away from zero becomes that integer.
double IntegerPart(double x);

}  // namespace tabulex
