// The calculation of one line, from the text of the line to the result written back: a
// typical line, and lines no one types.
#include <benchmark/benchmark.h>

#include <string>

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

std::string Repeat(std::string_view piece, std::size_t times) {
  std::string out;
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

// One line calculated from its text to the result written back.
void BM_Line(benchmark::State& run, std::string line) {
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
BENCHMARK_CAPTURE(BM_Line, typical, Utf8ToGbk("sin30+2^3*(1∟3+2∟1∟4)-max(1,2,3)"));

// Lines no one types, which a paste or a file can bring: each must answer quickly.
BENCHMARK_CAPTURE(BM_Line, pathological_sum_1MB, "1" + Repeat("+1", 1 << 19))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Line, pathological_number_1MB, Repeat("9", 1 << 20))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Line, pathological_nested_brackets_100k,
                  Repeat("(", 100000) + "1" + Repeat(")", 100000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Line, pathological_operators_100k, "1" + Repeat("-", 100000) + "1")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Line, pathological_factorials_150_20k, "150!" + Repeat("*150!", 20000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Line, pathological_power_tower_10k, Repeat("9^", 10000) + "9")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Line, pathological_list_100k, "max(" + Repeat("1.5,", 99999) + "2)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Line, pathological_nul_bytes_1MB, std::string(1 << 20, '\0'))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Line, pathological_invalid_gbk_1MB, Repeat("\x80\xFF", 1 << 19))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabulex
