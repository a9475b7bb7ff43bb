// CalculateCurrentLine: the calculate request, as if the user pressed the calculate key.
// Times one line calculation, applies the two options that act after a result (a new line
// holding the result again; a new line) and reports the elapsed time.
#pragma once

#include "engine/calc_context.h"

namespace tabulex {

void CalculateCurrentLine(const CalcContext& context);

}  // namespace tabulex
