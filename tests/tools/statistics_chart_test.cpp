#include "tools/statistics_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/sample_statistics.h"

namespace tabulex {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<double> Range(int first, int last) {
  std::vector<double> values;
  for (int i = first; i <= last; ++i) values.push_back(i);
  return values;
}

struct BinsCase {
  const char* name;  // the samples
  std::vector<double> samples;
  std::vector<double> edges;
  std::vector<std::size_t> counts;
};

TEST(ChartOfSamples, BinsSmallListsAtNiceEdges) {
  const BinsCase cases[] = {
      // Sturges: 4 samples want 3 bins of width 1. A sample on an edge belongs to the bin
      // that starts there, the largest one too: the last edge lies above it.
      {"1 2 3 4", {1, 2, 3, 4}, {1, 2, 3, 4, 5}, {1, 1, 1, 1}},
      {"5 1 4 2 3", {5, 1, 4, 2, 3}, {1, 2, 3, 4, 5, 6}, {1, 1, 1, 1, 1}},
      {"0 10", {0, 10}, {0, 5, 10, 15}, {1, 0, 1}},
      // A width of 2.5; bins without samples keep their places.
      {"0 2 7.5", {0, 2, 7.5}, {0, 2.5, 5, 7.5, 10}, {2, 0, 0, 1}},
      // The first edge below the smallest sample where the width does not divide it.
      {"-4 0 5 7.5", {-4, 0, 5, 7.5}, {-5, 0, 5, 10}, {1, 1, 2}},
      // Decimal edges are the doubles nearest to the decimals: 0.3, not 3 * 0.1.
      {"0.1 0.2 0.3", {0.1, 0.2, 0.3}, {0.1, 0.2, 0.3, 0.4}, {1, 1, 1}},
      {"1e20 2.5e20", {1e20, 2.5e20}, {1e20, 2e20, 3e20}, {1, 1}},
      // 1000 samples want 11 bins; the nice width 100 makes 10.
      {"0 to 999",
       Range(0, 999),
       {0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000},
       {100, 100, 100, 100, 100, 100, 100, 100, 100, 100}},
      {"7 7 7", {7, 7, 7}, {7, 7}, {3}},
      // Infinite samples are left out; the rest is charted.
      {"1 inf 2 -inf 3", {1, kInf, 2, -kInf, 3}, {1, 2, 3, 4}, {1, 1, 1}},
  };
  for (const BinsCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<SampleChart> chart = ChartOfSamples(c.samples);
    ASSERT_TRUE(chart.has_value());
    EXPECT_EQ(chart->histogram.edges, c.edges);
    EXPECT_EQ(chart->histogram.counts, c.counts);
  }
}

struct SummaryCase {
  const char* name;  // the samples
  std::vector<double> samples;
  FiveNumberSummary summary;
};

TEST(ChartOfSamples, SummarisesWithTheMediansOfTheHalves) {
  const SummaryCase cases[] = {
      {"1 2 3 4", {1, 2, 3, 4}, {1, 1.5, 2.5, 3.5, 4}},
      // The middle sample of an odd count belongs to neither half.
      {"1 2 3 4 5", {1, 2, 3, 4, 5}, {1, 1.5, 3, 4.5, 5}},
      {"9 1 5", {9, 1, 5}, {1, 1, 5, 9, 9}},
      // Longer lists in no order: each half is found among the rest.
      {"10 3 7 1 9 2 8 5 4 6", {10, 3, 7, 1, 9, 2, 8, 5, 4, 6}, {1, 3, 5.5, 8, 10}},
      {"11 3 7 1 9 2 8 5 4 6 10", {11, 3, 7, 1, 9, 2, 8, 5, 4, 6, 10}, {1, 3, 6, 9, 11}},
      {"2 2 1 2 3 2", {2, 2, 1, 2, 3, 2}, {1, 2, 2, 2, 3}},
      {"0 10", {0, 10}, {0, 0, 5, 10, 10}},
      {"7 7 7", {7, 7, 7}, {7, 7, 7, 7, 7}},
      {"1 inf 2 -inf 3", {1, kInf, 2, -kInf, 3}, {1, 1, 2, 3, 3}},
  };
  for (const SummaryCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<SampleChart> chart = ChartOfSamples(c.samples);
    ASSERT_TRUE(chart.has_value());
    const FiveNumberSummary& s = chart->summary;
    EXPECT_EQ(s.minimum, c.summary.minimum);
    EXPECT_EQ(s.lowerQuartile, c.summary.lowerQuartile);
    EXPECT_EQ(s.median, c.summary.median);
    EXPECT_EQ(s.upperQuartile, c.summary.upperQuartile);
    EXPECT_EQ(s.maximum, c.summary.maximum);
  }
}

struct ListCase {
  const char* name;  // the samples
  std::vector<double> samples;
};

// The box and the 总数值 line show one value, also where the mean of the middle two rounds.
TEST(ChartOfSamples, MedianIsTheFiguresMedian) {
  const ListCase cases[] = {
      {"0.1 0.7", {0.1, 0.7}},
      {"0.3 0.1 0.2 0.6", {0.3, 0.1, 0.2, 0.6}},
      {"1e16 1 3 1e16+2", {1e16, 1, 3, 1e16 + 2}},
      {"-2.5 1e-300 7", {-2.5, 1e-300, 7}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<SampleChart> chart = ChartOfSamples(c.samples);
    ASSERT_TRUE(chart.has_value());
    EXPECT_EQ(chart->summary.median, SampleStatistics(c.samples, SampleMeasure::Median));
  }
}

TEST(ChartOfSamples, NothingBelowTwoFiniteSamples) {
  const ListCase cases[] = {
      {"none", {}},
      {"5", {5}},
      {"5 inf", {5, kInf}},
      {"inf -inf", {kInf, -kInf}},
      {"nan 5", {std::nan(""), 5}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(ChartOfSamples(c.samples).has_value());
  }
}

// Where nice edges cannot be had, the histogram still covers every sample once.
TEST(ChartOfSamples, ExtremeListsAreBinnedWholly) {
  const ListCase cases[] = {
      {"-1e308 1e308", {-1e308, 1e308}},
      {"-1.7e308 1.7e308 (the nice width overflows)", {-1.7e308, 0, 1.7e308}},
      {"1 and the next double", {1, std::nextafter(1.0, 2.0), 1}},
      {"1e300 and the next double", {1e300, std::nextafter(1e300, 2e300)}},
      {"the two smallest subnormals", {4.9e-324, 9.9e-324, 4.9e-324}},
      {"-5e-324 5e-324", {-4.9e-324, 4.9e-324}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<SampleChart> chart = ChartOfSamples(c.samples);
    ASSERT_TRUE(chart.has_value());
    const HistogramBins& h = chart->histogram;
    ASSERT_EQ(h.edges.size(), h.counts.size() + 1);
    EXPECT_LE(h.counts.size(), kMaxHistogramBins + 1);
    std::size_t total = 0;
    for (std::size_t count : h.counts) total += count;
    EXPECT_EQ(total, c.samples.size());
    for (std::size_t i = 0; i + 1 < h.edges.size(); ++i) {
      EXPECT_TRUE(std::isfinite(h.edges[i]));
      EXPECT_LE(h.edges[i], h.edges[i + 1]);
    }
    EXPECT_LE(h.edges.front(), chart->summary.minimum);
    EXPECT_GE(h.edges.back(), chart->summary.maximum);
  }
}

}  // namespace
}  // namespace tabulex
