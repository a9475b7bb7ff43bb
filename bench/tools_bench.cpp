// The tool window's work on every keystroke: a base conversion of a long integer, the
// statistics of a long list with their chart (painting: tools_widgets_bench.cpp), and the time
// calculation's description of a date.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/base_conversion.h"
#include "tools/date_report.h"
#include "tools/statistics.h"
#include "tools/statistics_chart.h"

namespace tabulex {
namespace {

std::string DecimalDigits(std::size_t count) {
  std::string digits;
  for (std::size_t i = 0; i < count; ++i) digits += static_cast<char>('1' + (i * 7 + i / 3) % 9);
  return digits;
}

// A decimal integer of range(0) digits to base 16.
void BM_ConvertBase(benchmark::State& run) {
  const std::string input = DecimalDigits(static_cast<std::size_t>(run.range(0)));
  for (auto _ : run) benchmark::DoNotOptimize(ConvertBase(input, 10, 16));
}
BENCHMARK(BM_ConvertBase)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// range(0) lines of numbers, as the text box gives them.
void BM_ComputeStatistics(benchmark::State& run) {
  std::string input;
  for (std::int64_t i = 0; i < run.range(0); ++i) input += std::to_string(i % 997) + ".25\r\n";
  for (auto _ : run) benchmark::DoNotOptimize(ComputeStatistics(input));
}
BENCHMARK(BM_ComputeStatistics)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same lines read once, their figures, and the chart's bins and five numbers.
void BM_StatisticsAndChart(benchmark::State& run) {
  std::string input;
  for (std::int64_t i = 0; i < run.range(0); ++i) input += std::to_string(i % 997) + ".25\r\n";
  for (auto _ : run) {
    const std::vector<double> samples = ReadStatisticsSamples(input);
    benchmark::DoNotOptimize(StatisticsOfSamples(samples));
    benchmark::DoNotOptimize(ChartOfSamples(samples));
  }
}
BENCHMARK(BM_StatisticsAndChart)->Arg(100000)->Unit(benchmark::kMillisecond);

// One date's line: weekday, lunar date through ICU, the solar term from the sun's position.
void BM_DescribeDate(benchmark::State& run) {
  for (auto _ : run) benchmark::DoNotOptimize(DescribeDate(CivilDate{2024, 2, 4}));
}
BENCHMARK(BM_DescribeDate)->Unit(benchmark::kMicrosecond);

// A lunar date back to the Gregorian one (ICU, with the round trip that checks it exists).
void BM_LunarToCivil(benchmark::State& run) {
  for (auto _ : run) {
    benchmark::DoNotOptimize(LunarToCivilText(LunarDate{2023, 2, LunarMonthKind::Leap, 1}));
  }
}
BENCHMARK(BM_LunarToCivil)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tabulex
