#include "editor/batch_in_editor.h"

#include <string>

#include "engine/batch_calculation.h"
#include "engine/text_buffer.h"

namespace tabulex {

void BatchCalculateInEditor(const CalcContext& context,
                            const std::function<void(std::string_view)>& replaceText) {
  EditorBuffer& editor = context.editor;
  TextBuffer copy(editor.Text());
  BatchCalculate(CalcContext{copy, context.settings, context.state, context.status,
                             context.clipboard, context.ticks});
  const std::string text = copy.Text();
  if (text != editor.Text()) replaceText(text);
  editor.SetCaret(copy.Caret());
}

}  // namespace tabulex
