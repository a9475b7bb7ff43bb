// The statistics tab's whole update on a change of its input, offscreen: the samples read from
// the text, the figures, the chart's bins and five numbers, and one painting of the chart at
// its usual size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/qt/gbk_qstring.h"
#include "tools/qt/statistics_chart.h"
#include "tools/statistics.h"
#include "tools/statistics_chart.h"

namespace tabulex {
namespace {

// count lines of numbers with three decimals, spread like measurements.
QString MeasurementLines(std::int64_t count) {
  std::mt19937 random(1);
  std::normal_distribution<double> spread(50, 12);
  QString text;
  for (std::int64_t i = 0; i < count; ++i) {
    text += QString::number(spread(random), 'f', 3);
    text += QLatin1Char('\n');
  }
  return text;
}

void Update(const std::string& gbk, StatisticsChart& chart, QImage& image) {
  const std::vector<double> samples = ReadStatisticsSamples(gbk);
  benchmark::DoNotOptimize(StatisticsOfSamples(samples));
  chart.ShowChart(ChartOfSamples(samples));
  chart.render(&image);
}

// From the GBK text the statistics read.
void BM_StatisticsTabUpdate(benchmark::State& run) {
  const std::string gbk = QStringToGbk(MeasurementLines(run.range(0)));
  StatisticsChart chart;
  chart.resize(chart.sizeHint());
  QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : run) Update(gbk, chart, image);
}
BENCHMARK(BM_StatisticsTabUpdate)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same with the text box's text turned into GBK first, as the tab does.
void BM_StatisticsTabUpdateFromText(benchmark::State& run) {
  const QString text = MeasurementLines(run.range(0));
  StatisticsChart chart;
  chart.resize(chart.sizeHint());
  QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : run) Update(QStringToGbk(text), chart, image);
}
BENCHMARK(BM_StatisticsTabUpdateFromText)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabulex

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
