// What the statistics tab draws under its figures: a histogram of the samples and the five
// numbers of a box plot. Plain numbers; qt/statistics_chart.h paints them.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace tabulex {

// Bin i holds the samples x with edges[i] <= x < edges[i + 1]; the last bin also holds its
// right edge, which only equal bins stretched from the smallest to the largest sample (where
// nice edges cannot be had) reach. Equal samples make one bin whose two edges are that value.
struct HistogramBins {
  std::vector<double> edges;        // ascending, one more than counts
  std::vector<std::size_t> counts;  // one per bin
};

// Quartiles are the medians of the lower and the upper half of the sorted samples; with an
// odd count the middle sample belongs to neither half (1..5 gives 1.5 and 4.5). The median is
// computed as the figures compute it, so the box shows the same value as the 总数值 line.
struct FiveNumberSummary {
  double minimum{};
  double lowerQuartile{};
  double median{};
  double upperQuartile{};
  double maximum{};
};

struct SampleChart {
  HistogramBins histogram;
  FiveNumberSummary summary;
};

// Sturges' rule gives ceil(log2 n) + 1 bins; it grows with the logarithm of the count, so the
// cap is only reached by absurd lists. Nice edges (multiples of 1, 2, 2.5 or 5 times a power of
// ten) may add a bin or two.
inline constexpr std::size_t kMaxHistogramBins = 30;

// The chart of samples, or nothing below two finite samples: one value makes no distribution.
// Infinite samples (a line such as "1e999") have no place on an axis and are left out of the
// chart; the figures still count them. NaN, which typed text never reads, is left out too.
std::optional<SampleChart> ChartOfSamples(const std::vector<double>& samples);

}  // namespace tabulex
