#include "tools/statistics.h"

#include <vector>

#include "engine/gbk_text.h"
#include "engine/number_text.h"
#include "engine/sample_statistics.h"
#include "tools/base_conversion.h"

namespace tabulex {

// LF is never the second byte of a GBK character, so a byte scan is safe.
std::vector<double> ReadStatisticsSamples(std::string_view inputGbk) {
  std::vector<double> values;
  const auto add = [&values](std::string_view piece) {
    values.push_back(TypedTextToNumber(FullWidthToAscii(piece)));
  };
  std::size_t start = 0;
  for (std::size_t i = inputGbk.find('\n'); i != std::string_view::npos;
       i = inputGbk.find('\n', start)) {
    const std::size_t end = i > start && inputGbk[i - 1] == '\r' ? i - 1 : i;
    add(inputGbk.substr(start, end - start));
    start = i + 1;
  }
  if (start < inputGbk.size()) add(inputGbk.substr(start));
  return values;
}

std::string StatisticsTemplate() {
  return Utf8ToGbk(
      "样品数量：\r\n最小值：\r\n最大值：\r\n范围值：\r\n总和：\r\n平均值：\r\n方差值：\r\n"
      "标准偏差值：\r\n标准误差：\r\n总数值：");
}

std::string StatisticsOfSamples(const std::vector<double>& values) {
  // The same measures as the tjfx function, so both give the same figures for a list.
  const auto figure = [&values](SampleMeasure measure) {
    return NumberToText(SampleStatistics(values, measure));
  };
  std::string utf8 = "样品数量：" + std::to_string(values.size());
  utf8 += "\r\n最小值：" + figure(SampleMeasure::Minimum);
  utf8 += "\r\n最大值：" + figure(SampleMeasure::Maximum);
  utf8 += "\r\n范围值：" + figure(SampleMeasure::Range);
  utf8 += "\r\n总和：" + figure(SampleMeasure::Sum);
  utf8 += "\r\n平均值：" + figure(SampleMeasure::Mean);
  utf8 += "\r\n方差值：" + figure(SampleMeasure::Variance);
  utf8 += "\r\n标准偏差值：" + figure(SampleMeasure::StandardDeviation);
  utf8 += "\r\n标准误差：" + figure(SampleMeasure::StandardError);
  // The line called total value carries the median.
  utf8 += "\r\n总数值：" + figure(SampleMeasure::Median);
  return Utf8ToGbk(utf8);
}

std::optional<std::string> ComputeStatistics(std::string_view inputGbk) {
  if (inputGbk.empty()) return std::nullopt;
  return StatisticsOfSamples(ReadStatisticsSamples(inputGbk));
}

}  // namespace tabulex
