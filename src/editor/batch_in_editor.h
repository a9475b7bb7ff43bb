// BatchCalculateInEditor: the batch calculation over the whole editor. It runs on a copy of
// the text, which costs the editor nothing per line, and the result comes back as one change:
// one undo step, however many lines were calculated.
#pragma once

#include <functional>
#include <string_view>

#include "engine/calc_context.h"

namespace tabulex {

// context.editor is the editor. replaceText sets its whole text as that one change; it is
// called only when the batch changed something. The caret ends where the batch left it.
void BatchCalculateInEditor(const CalcContext& context,
                            const std::function<void(std::string_view)>& replaceText);

}  // namespace tabulex
