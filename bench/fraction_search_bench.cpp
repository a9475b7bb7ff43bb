// The fraction search on its slowest inputs: the stepping search takes millions of steps
// where FindFraction takes microseconds at most.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>

#include "engine/fraction_search.h"
#include "engine/number_text.h"

namespace tabulex {
namespace {

// The fractional part the search receives for a result text.
double FractionalPart(const char* text) {
  const double a = TextToNumber(text);
  return a - std::trunc(a);
}

// Result texts whose fractional parts are the search's slowest inputs: 0.0000002 walks D up
// to 4999976, five million steps; the square roots of 2 and 1/2 give up after some ten
// thousand steps; 5.999999999999 misses 1/1 by a hair and gives up after twenty thousand; a
// third is found at once.
constexpr const char* kResults[] = {"0.0000002", "1.414213562373", "0.7071067811865",
                                    "5.999999999999", "0.3333333333333"};

void SetInputs(benchmark::internal::Benchmark* bench) {
  bench->ArgName("case")->DenseRange(0, std::size(kResults) - 1);
}

double Input(std::int64_t index) {
  return FractionalPart(kResults[index]);
}

void Label(benchmark::State& run, double f, const std::optional<FoundFraction>& found) {
  char text[96];
  if (found) {
    std::snprintf(text, sizeof text, "f=%.13g -> %lld/%lld", f,
                  static_cast<long long>(found->numerator),
                  static_cast<long long>(found->denominator));
  } else {
    std::snprintf(text, sizeof text, "f=%.13g -> gives up", f);
  }
  run.SetLabel(text);
}

void BM_SteppingFractionSearch(benchmark::State& run) {
  const double f = Input(run.range(0));
  std::optional<FoundFraction> found;
  for (auto _ : run) {
    found = SteppingFractionSearch(f);
    benchmark::DoNotOptimize(found);
  }
  Label(run, f, found);
}
BENCHMARK(BM_SteppingFractionSearch)->Apply(SetInputs)->Unit(benchmark::kMicrosecond);

void BM_FindFraction(benchmark::State& run) {
  const double f = Input(run.range(0));
  std::optional<FoundFraction> found;
  for (auto _ : run) {
    found = FindFraction(f);
    benchmark::DoNotOptimize(found);
  }
  Label(run, f, found);
}
BENCHMARK(BM_FindFraction)->Apply(SetInputs)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tabulex
