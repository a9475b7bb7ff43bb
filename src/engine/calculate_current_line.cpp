#include "engine/calculate_current_line.h"

#include "engine/gbk_text.h"
#include "engine/line_calculator.h"
#include "engine/number_text.h"
#include "engine/status_message.h"

namespace tabulex {

void CalculateCurrentLine(const CalcContext& context) {
  CalculationState& state = context.state;
  const CalcSettings& settings = context.settings;
  const std::uint64_t t0 = context.ticks.NowMilliseconds();
  state.conversionStep = 0;
  if (!LineCalculator(context).Run()) return;

  if (state.resultWritten) {
    auto pasteResult = [&] {
      if (!settings.newLinePasteResult) return;
      context.editor.ReplaceSelection("\r\n");
      context.editor.ReplaceSelection(state.lastResult);
    };
    auto newLine = [&] {
      if (settings.newLineAfterCalc) context.editor.ReplaceSelection("\r\n");
    };
    // Enter calculates with the paste option first; Ctrl+Enter with the new line first.
    if (settings.enterInsertsNewLine) {
      newLine();
      pasteResult();
    } else {
      pasteResult();
      newLine();
    }
  }

  const std::uint64_t t1 = context.ticks.NowMilliseconds();
  const std::string seconds = NumberToText(static_cast<double>(t1 - t0) / 1000);
  // Converted once: this message follows every calculation of a batch.
  static const std::string kTimeTaken = StatusMessage(StatusKind::Finished, "用时 ");
  static const std::string kSeconds = Utf8ToGbk(" 秒");
  // The message's room is kept from line to line.
  thread_local std::string message;
  context.status.ShowStatus(message.assign(kTimeTaken).append(seconds).append(kSeconds));
}

}  // namespace tabulex
