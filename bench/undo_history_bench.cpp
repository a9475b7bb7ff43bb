// The undo history on a large text: what recording a keystroke costs, what undoing and
// redoing one costs, and how much memory a full history of keystrokes holds.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "editor/undo_history.h"
#include "engine/text_buffer.h"

namespace tabulex {
namespace {

constexpr std::size_t kTextBytes = 1 << 20;

// Calculation lines with Chinese labels, whole lines up to 1 MB.
std::string LargeText() {
  const std::string line = "\xBC\xDB\xB8\xF1=0.3+0.5=0.8\r\n1+2*3=7\r\n";  // 价格=...
  std::string text;
  while (text.size() + line.size() <= kTextBytes) text += line;
  return text;
}

// A 1 MB text with a full history of keystrokes typed where the caret is.
struct TypedText {
  explicit TypedText(std::size_t caret) : editor{LargeText()} {
    undo.SetLimit(UndoHistory::kCapacity);
    editor.SetCaret(caret);
    undo.RecordSnapshot(editor);
    while (undo.Current() < UndoHistory::kCapacity) Type();
  }
  void Type() {
    editor.ReplaceSelection("9");
    undo.RecordSnapshot(editor);
  }

  TextBuffer editor;
  UndoHistory undo;
};

// One keystroke into a 1 MB text and its recording, with the history full so that each
// recording also drops the oldest snapshot. The caret's place decides how far the two
// comparisons run from either end; together they always cover the text once.
void BM_RecordKeystroke1MB(benchmark::State& run) {
  TypedText typed{static_cast<std::size_t>(run.range(0)) * kTextBytes / 2};
  for (auto _ : run) typed.Type();
  run.SetLabel(run.range(0) == 0   ? "at the start"
               : run.range(0) == 1 ? "in the middle"
                                   : "at the end");
}
BENCHMARK(BM_RecordKeystroke1MB)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Undo of one keystroke and its redo, each putting the whole 1 MB text back into the editor
// and running the recording that the restore raises (skipped).
void BM_UndoRedoKeystroke1MB(benchmark::State& run) {
  TypedText typed{kTextBytes / 2};
  for (auto _ : run) {
    typed.undo.Undo(typed.editor);
    typed.undo.RecordSnapshot(typed.editor);
    typed.undo.Redo(typed.editor);
    typed.undo.RecordSnapshot(typed.editor);
  }
  benchmark::DoNotOptimize(typed.editor.Length());
  run.SetLabel("one undo and one redo");
}
BENCHMARK(BM_UndoRedoKeystroke1MB)->Unit(benchmark::kMicrosecond);

// Memory of 500 snapshots of a 1 MB text being typed into: about one copy of the text.
void BM_Memory500Keystrokes1MB(benchmark::State& run) {
  std::size_t stored = 0;
  std::size_t text = 0;
  for (auto _ : run) {
    TypedText typed{kTextBytes / 2};
    stored = typed.undo.StoredBytes();
    text = typed.editor.Length();
  }
  run.counters["snapshots"] = UndoHistory::kCapacity;
  run.counters["stored_MB"] = static_cast<double>(stored) / (1 << 20);
  run.counters["bytes_per_keystroke"] =
      static_cast<double>(stored - text) / (UndoHistory::kCapacity - 1);
}
BENCHMARK(BM_Memory500Keystrokes1MB)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabulex
