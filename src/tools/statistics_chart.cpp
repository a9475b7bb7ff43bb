#include "tools/statistics_chart.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <iterator>
#include <utility>

#include "engine/number_text.h"

namespace tabulex {
namespace {

double PowerOfTen(int exponent) {
  if (exponent >= 0 && exponent < static_cast<int>(std::size(kExactPowersOfTen))) {
    return kExactPowersOfTen[exponent];
  }
  return std::pow(10.0, exponent);
}

// Bin edges at whole multiples of step * 10^exponent, step 1, 2, 2.5, 5 or 10. An edge is a
// whole number of steps multiplied or divided by an exact power of ten, so that an edge such
// as 0.3 is the double nearest to 0.3 and its label reads "0.3", not "0.30000000000000004".
struct NiceWidth {
  double step{};
  int exponent{};

  double Edge(double index) const {
    return exponent >= 0 ? index * step * PowerOfTen(exponent)
                         : index * step / PowerOfTen(-exponent);
  }
  double Width() const { return Edge(1); }
};

// The smallest nice width not below raw (raw finite and above 0).
NiceWidth NiceWidthAtLeast(double raw) {
  int exponent = static_cast<int>(std::floor(std::log10(raw)));
  const auto mantissa = [&raw, &exponent] {
    return exponent >= 0 ? raw / PowerOfTen(exponent) : raw * PowerOfTen(-exponent);
  };
  // log10 may land one off next to a power of ten.
  if (mantissa() < 1) --exponent;
  if (mantissa() >= 10) ++exponent;
  // A width a rounding error above 2 still counts as 2.
  const double m = mantissa() * (1 - 1e-12);
  for (const double step : {1.0, 2.0, 2.5, 5.0}) {
    if (m <= step) return {step, exponent};
  }
  return {10.0, exponent};
}

std::vector<double> NiceEdges(double minimum, double maximum, std::size_t wanted) {
  const double raw = maximum / static_cast<double>(wanted) - minimum / static_cast<double>(wanted);
  if (!(raw > 0) || !std::isfinite(raw)) return {};
  const NiceWidth width = NiceWidthAtLeast(raw);
  if (!(width.Width() > 0) || !std::isfinite(width.Width())) return {};
  double first = std::floor(minimum / width.Width());
  double last = std::floor(maximum / width.Width()) + 1;
  // Beyond 2^52 steps the indices no longer tell neighbouring edges apart.
  constexpr double kLargestIndex = 4.5e15;
  if (!(std::fabs(first) < kLargestIndex && std::fabs(last) < kLargestIndex)) return {};
  // The divisions above round; the edges themselves decide. The last edge lies above the
  // largest sample, so that every bin holds what lies on its left edge: 1..5 gives five bins
  // of one sample, not a last bin of two.
  if (width.Edge(first) > minimum) --first;
  if (width.Edge(first + 1) <= minimum) ++first;
  if (width.Edge(last) <= maximum) ++last;
  if (width.Edge(last - 1) > maximum) --last;
  if (!(width.Edge(first) <= minimum && width.Edge(last) > maximum && last > first)) return {};
  if (last - first > static_cast<double>(kMaxHistogramBins + 1)) return {};
  std::vector<double> edges;
  for (double index = first; index <= last; ++index) edges.push_back(width.Edge(index));
  if (!std::all_of(edges.begin(), edges.end(), [](double e) { return std::isfinite(e); })) {
    return {};
  }
  return edges;
}

// Where nice edges fail (the range near the largest doubles, or a few units in the last
// place wide), wanted equal bins from minimum to maximum. Each edge mixes the two ends, so
// nothing overflows; among subnormals the mix rounds, and the clamp keeps the edges in order.
std::vector<double> PlainEdges(double minimum, double maximum, std::size_t wanted) {
  std::vector<double> edges{minimum};
  for (std::size_t i = 1; i < wanted; ++i) {
    const double t = static_cast<double>(i) / static_cast<double>(wanted);
    edges.push_back(std::clamp(minimum * (1 - t) + maximum * t, edges.back(), maximum));
  }
  edges.push_back(maximum);
  return edges;
}

// The bin of x: estimated from its place between the outer edges, then moved until the edges
// themselves agree, so that rounding in the estimate never puts a sample in a neighbour.
std::size_t BinOf(double x, const std::vector<double>& edges, double binsPerHalfUnit) {
  const std::size_t bins = edges.size() - 1;
  // Halves keep the difference of two doubles near the largest from overflowing.
  double estimate = (x / 2 - edges.front() / 2) * binsPerHalfUnit;
  if (!(estimate > 0)) estimate = 0;
  if (estimate > static_cast<double>(bins - 1)) estimate = static_cast<double>(bins - 1);
  auto bin = static_cast<std::size_t>(estimate);
  while (bin > 0 && x < edges[bin]) --bin;
  while (bin + 1 < bins && x >= edges[bin + 1]) ++bin;
  return bin;
}

HistogramBins HistogramOf(const std::vector<double>& values, double minimum, double maximum) {
  if (minimum == maximum) return {{minimum, maximum}, {values.size()}};
  const std::size_t wanted =
      std::min<std::size_t>(std::bit_width(values.size() - 1) + 1, kMaxHistogramBins);
  std::vector<double> edges = NiceEdges(minimum, maximum, wanted);
  if (edges.empty()) edges = PlainEdges(minimum, maximum, wanted);
  std::vector<std::size_t> counts(edges.size() - 1);
  const double binsPerHalfUnit =
      static_cast<double>(counts.size()) / (edges.back() / 2 - edges.front() / 2);
  for (const double x : values) ++counts[BinOf(x, edges, binsPerHalfUnit)];
  return {std::move(edges), std::move(counts)};
}

// The median of values[0, n) as the figures compute it on the sorted list, the same sum of
// the same two middle values, so the two agree to the last bit. Found by selection instead of
// sorting (this runs on every keystroke over the whole list); values[0, n) is reordered so
// that its lower half comes first.
double MedianByPartition(double* values, std::size_t n) {
  double* const middle = values + n / 2;
  std::nth_element(values, middle, values + n);
  if (n % 2 == 1) return *middle;
  return (*std::max_element(values, middle) + *middle) / 2;
}

// values is reordered.
FiveNumberSummary SummaryOf(std::vector<double>& values, double minimum, double maximum) {
  const std::size_t n = values.size();
  const std::size_t half = n / 2;
  // After the median's partition the lower half is values[0, half) and the upper half
  // values[n - half, n), each in some order; their medians are the quartiles.
  const double median = MedianByPartition(values.data(), n);
  const double lower = MedianByPartition(values.data(), half);
  const double upper = MedianByPartition(values.data() + (n - half), half);
  return {minimum, lower, median, upper, maximum};
}

}  // namespace

std::optional<SampleChart> ChartOfSamples(const std::vector<double>& samples) {
  std::vector<double> finite;
  finite.reserve(samples.size());
  std::copy_if(samples.begin(), samples.end(), std::back_inserter(finite),
               [](double x) { return std::isfinite(x); });
  if (finite.size() < 2) return std::nullopt;
  const auto [least, greatest] = std::minmax_element(finite.begin(), finite.end());
  const double minimum = *least;
  const double maximum = *greatest;
  HistogramBins histogram = HistogramOf(finite, minimum, maximum);
  return SampleChart{std::move(histogram), SummaryOf(finite, minimum, maximum)};
}

}  // namespace tabulex
