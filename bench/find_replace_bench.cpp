// Find and replace over a 10 MB text: a find whose only match is at the very end, and
// replacing every occurrence.
#include <benchmark/benchmark.h>

#include <string>

#include "editor/find_replace.h"
#include "engine/gbk_text.h"
#include "engine/text_buffer.h"

namespace tabulex {
namespace {

constexpr std::size_t kTextBytes = 10 << 20;

// Lines of calculations with Chinese labels, as a long working text looks.
std::string LongText() {
  const std::string line = Utf8ToGbk("价格=0.3+0.5=0.8\r\n15+3=18\r\n");
  std::string text;
  while (text.size() < kTextBytes) text += line;
  return text;
}

void BM_FindAtTheEnd(benchmark::State& state) {
  TextBuffer editor(LongText() + Utf8ToGbk("π"));
  const FindState find{Utf8ToGbk("π"), true, {}};
  for (auto _ : state) {
    editor.SetCaret(0);
    Find(editor, find, FindDirection::Forward, FindAction::Select);
    benchmark::DoNotOptimize(editor.Caret());
  }
}
BENCHMARK(BM_FindAtTheEnd)->Unit(benchmark::kMillisecond);

void BM_ReplaceAll(benchmark::State& state) {
  const std::string text = LongText();
  const FindState find{"=", true, Utf8ToGbk("＝")};
  TextBuffer editor;
  for (auto _ : state) {
    state.PauseTiming();
    editor.SetText(text);
    state.ResumeTiming();
    benchmark::DoNotOptimize(ReplaceAll(editor, find));
  }
}
BENCHMARK(BM_ReplaceAll)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabulex
