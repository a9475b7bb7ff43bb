// BatchCalculate: calculates every line of the text from top to bottom or, with spaces
// separating expressions, every expression of every line, by placing the caret and issuing
// the calculate request as a user would. Lines that fail are left as they are; the batch
// always covers the whole text and always ends.
#pragma once

#include "engine/calc_context.h"

namespace tabulex {

void BatchCalculate(const CalcContext& context);

}  // namespace tabulex
