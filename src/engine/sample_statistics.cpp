#include "engine/sample_statistics.h"

#include <algorithm>
#include <cmath>

namespace tabulex {
namespace {

double Minimum(const std::vector<double>& values) {
  double m = values.front();
  for (double v : values) {
    if (v < m) m = v;
  }
  return m;
}

double Maximum(const std::vector<double>& values) {
  double m = values.front();
  for (double v : values) {
    if (v > m) m = v;
  }
  return m;
}

double Sum(const std::vector<double>& values) {
  double sum = 0.0;
  for (double v : values) sum += v;
  return sum;
}

double Variance(const std::vector<double>& values) {
  const double n = static_cast<double>(values.size());
  const double mean = Sum(values) / n;
  double squares = 0.0;
  for (double v : values) squares += v * v;
  return (squares - n * mean * mean) / (n - 1);
}

double Median(std::vector<double> values) {
  // NaN sorts last so that the order stays a strict weak ordering.
  std::sort(values.begin(), values.end(), [](double a, double b) {
    if (std::isnan(a)) return false;
    if (std::isnan(b)) return true;
    return a < b;
  });
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

double SampleStatistics(const std::vector<double>& values, SampleMeasure measure) {
  switch (measure) {
    case SampleMeasure::Minimum:
      return Minimum(values);
    case SampleMeasure::Maximum:
      return Maximum(values);
    case SampleMeasure::Range:
      return Maximum(values) - Minimum(values);
    case SampleMeasure::Sum:
      return Sum(values);
    case SampleMeasure::Mean:
      return Sum(values) / static_cast<double>(values.size());
    case SampleMeasure::Variance:
      return Variance(values);
    case SampleMeasure::StandardDeviation:
      return std::sqrt(std::fabs(Variance(values)));
    case SampleMeasure::StandardError:
      return std::sqrt(std::fabs(Variance(values))) / std::sqrt(static_cast<double>(values.size()));
    case SampleMeasure::Median:
      return Median(values);
  }
  return 0.0;
}

}  // namespace tabulex
