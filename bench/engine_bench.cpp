// The calculation of one typical line, from the text of the line to the result written back.
#include <benchmark/benchmark.h>

#include "engine/calculate_current_line.h"
#include "engine/gbk_text.h"
#include "engine/text_buffer.h"

namespace tabulex {
namespace {

class NullStatus final : public StatusSink {
 public:
  void ShowStatus(std::string_view) override {}
};

class NullClipboard final : public Clipboard {
 public:
  void SetText(std::string_view) override {}
};

void BM_TypicalLine(benchmark::State& run) {
  const std::string line = Utf8ToGbk("sin30+2^3*(1∟3+2∟1∟4)-max(1,2,3)");
  CalcSettings settings;
  NullStatus status;
  NullClipboard clipboard;
  SteadyTickSource ticks;
  TextBuffer buffer;
  for (auto _ : run) {
    buffer.SetText(line);
    buffer.SetCaret(line.size());
    CalculationState state;
    CalculateCurrentLine(CalcContext{buffer, settings, state, status, clipboard, ticks});
    benchmark::DoNotOptimize(state.lastResult);
  }
}
BENCHMARK(BM_TypicalLine);

}  // namespace
}  // namespace tabulex
