#include "engine/sample_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tabulex {
namespace {

TEST(SampleStatistics, NineMeasures) {
  const std::vector<double> values = {5, 1, 3, 2};
  const struct {
    SampleMeasure measure;
    double value;
  } rows[] = {
      {SampleMeasure::Minimum, 1},  {SampleMeasure::Maximum, 5},
      {SampleMeasure::Range, 4},    {SampleMeasure::Sum, 11},
      {SampleMeasure::Mean, 2.75},  {SampleMeasure::Variance, 2.9166666666666665},
      {SampleMeasure::Median, 2.5},
  };
  for (const auto& row : rows) {
    EXPECT_DOUBLE_EQ(SampleStatistics(values, row.measure), row.value);
  }
  EXPECT_DOUBLE_EQ(SampleStatistics(values, SampleMeasure::StandardError),
                   std::sqrt(2.9166666666666665) / 2);
}

}  // namespace
}  // namespace tabulex
