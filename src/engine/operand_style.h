// How the operands of one evaluation were written; only FractionInput at the end lets a
// fractional result be shown as a fraction.
#pragma once

namespace tabulex {

enum class OperandStyle {
  Plain = 0,
  FractionInput = 1,  // a fraction operand was read, or a negation applied
  DecimalInput = 2,   // a number with "." was read, or a function or unary operator applied
};

}  // namespace tabulex
