// The nine summary values of a list of samples, numbered as the tjfx function selects them.
#pragma once

#include <vector>

namespace tabulex {

enum class SampleMeasure {
  Minimum = 1,
  Maximum = 2,
  Range = 3,
  Sum = 4,
  Mean = 5,
  Variance = 6,
  StandardDeviation = 7,
  StandardError = 8,
  Median = 9,
};

// values must not be empty. A single value has no variance: the variance and what follows
// from it are not a number.
double SampleStatistics(const std::vector<double>& values, SampleMeasure measure);

}  // namespace tabulex
