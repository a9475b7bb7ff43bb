// RecalculateLine: recomputes every "=" step of the caret's line after an earlier number was
// edited, as a user would: the line is taken out, each step is typed again and calculated, so
// "15+4=18+5=23" becomes "15+4=19+5=24". A line whose last step fails is put back as it was.
#pragma once

#include "engine/calc_context.h"

namespace tabulex {

void RecalculateLine(const CalcContext& context);

}  // namespace tabulex
