// The desktop program's editor under load, offscreen: a keystroke in a 1 MB document, Enter on
// one line of a 10 MB document, the batch command over 10,000 and 100,000 lines.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <filesystem>

#include "app/main_window.h"
#include "editor/qt/main_editor.h"

namespace tabulex {
namespace {

std::filesystem::path g_runDirectory;

std::string Lines(std::size_t bytes, std::string_view line) {
  std::string text;
  text.reserve(bytes + line.size() + 2);
  while (text.size() < bytes) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void BM_KeystrokeIn1MB(benchmark::State& run) {
  MainWindow window(RunFilesPathsIn(g_runDirectory));
  window.Start();
  MainEditor& editor = window.editor();
  editor.buffer().SetText(Lines(1 << 20, "1234+5678*(9-3)"));
  editor.buffer().SetCaret(editor.buffer().Length() / 2);
  for (auto _ : run) {
    QTest::keyClick(&editor, '1');  // typing assistant, undo snapshot, caret display
  }
}
BENCHMARK(BM_KeystrokeIn1MB)->Unit(benchmark::kMillisecond);

void BM_EnterOnALineOf10MB(benchmark::State& run) {
  MainWindow window(RunFilesPathsIn(g_runDirectory));
  window.Start();
  MainEditor& editor = window.editor();
  const std::string text = Lines(10 << 20, "1234+5678*(9-3)");
  editor.buffer().SetText(text);
  for (auto _ : run) {
    run.PauseTiming();
    editor.buffer().SetCaret(text.size() / 2 + 3);  // inside a line in the middle
    run.ResumeTiming();
    QTest::keyClick(&editor, Qt::Key_Return);
  }
}
BENCHMARK(BM_EnterOnALineOf10MB)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_BatchInTheWindow(benchmark::State& run) {
  MainWindow window(RunFilesPathsIn(g_runDirectory));
  window.Start();
  MainEditor& editor = window.editor();
  const auto lines = static_cast<std::size_t>(run.range(0));
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) text += std::to_string(i) + "*3+(7-2)/4\r\n";
  for (auto _ : run) {
    run.PauseTiming();
    editor.buffer().SetText(text);
    run.ResumeTiming();
    window.menus().batchCalculate->trigger();
  }
  run.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_BatchInTheWindow)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace tabulex

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  std::string pattern = (std::filesystem::temp_directory_path() / "tabulex-XXXXXX").string();
  tabulex::g_runDirectory = ::mkdtemp(pattern.data());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(tabulex::g_runDirectory);
  return 0;
}
