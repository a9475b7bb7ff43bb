#include "tools/statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

// The figures of the block, in order, without their labels.
std::vector<std::string> Figures(std::string_view inputUtf8) {
  const std::optional<std::string> output = ComputeStatistics(Utf8ToGbk(inputUtf8));
  if (!output) return {};
  const std::string text = GbkToUtf8(*output);
  std::vector<std::string> figures;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    figures.push_back(line.substr(line.find("：") + std::string("：").size()));
    start = end + 2;
  }
  return figures;
}

TEST(ComputeStatistics, WritesTheLabelledBlock) {
  const std::optional<std::string> output = ComputeStatistics("1\r\n2\r\n3\r\n4");
  ASSERT_TRUE(output.has_value());
  EXPECT_EQ(GbkToUtf8(*output),
            "样品数量：4\r\n最小值：1\r\n最大值：4\r\n范围值：3\r\n总和：10\r\n平均值：2.5\r\n"
            "方差值：1.666666666667\r\n标准偏差值：1.290994448736\r\n标准误差：0.6454972243679\r\n"
            "总数值：2.5");
  EXPECT_EQ(GbkToUtf8(StatisticsTemplate()),
            "样品数量：\r\n最小值：\r\n最大值：\r\n范围值：\r\n总和：\r\n平均值：\r\n方差值：\r\n"
            "标准偏差值：\r\n标准误差：\r\n总数值：");
}

TEST(ComputeStatistics, EmptyInputLeavesTheOutputAlone) {
  EXPECT_FALSE(ComputeStatistics("").has_value());
}

struct Case {
  const char* input;                 // UTF-8
  std::vector<std::string> figures;  // count, min, max, range, sum, mean, variance, sd, se, median
};

TEST(ComputeStatistics, CountsAndReadsEveryLine) {
  const Case cases[] = {
      // A line without a number counts as 0, and so does an empty line between two others.
      {"5\r\nx", {"2", "0", "5", "5", "5", "2.5", "12.5", "3.535533905933", "2.5", "2.5"}},
      {"3\r\n\r\n3", {"3", "0", "3", "3", "6", "2", "3", "1.732050807569", "1", "3"}},
      // A final line break adds no sample; a Qt text box ends its lines with LF alone.
      {"1\r\n2\r\n", {"2", "1", "2", "1", "3", "1.5", "0.5", "0.7071067811865", "0.5", "1.5"}},
      {"1\n2\n", {"2", "1", "2", "1", "3", "1.5", "0.5", "0.7071067811865", "0.5", "1.5"}},
      {"1\n2\r\n\n", {"3", "0", "2", "2", "3", "1", "1", "1", "0.5773502691896", "1"}},
      {"\r\n", {"1", "0", "0", "0", "0", "0", "nan", "nan", "nan", "0"}},
      // Read like an operand: full-width digits, the longest numeric prefix, exponents.
      {"１．５\r\n-2.5abc\r\n1e2",
       {"3", "-2.5", "100", "102.5", "99", "33", "3370.75", "58.05816049446", "33.51989459013",
        "1.5"}},
      // The median sorts; an odd count takes the middle value.
      {"9\r\n1\r\n5", {"3", "1", "9", "8", "15", "5", "16", "4", "2.309401076759", "5"}},
      // Words are no numbers, even those that begin like "inf" and "nan".
      {"5\r\nnano", {"2", "0", "5", "5", "5", "2.5", "12.5", "3.535533905933", "2.5", "2.5"}},
      {"info\r\n-inf\r\n4",
       {"3", "0", "4", "4", "4", "1.333333333333", "5.333333333333", "2.309401076759",
        "1.333333333333", "0"}},
      // One sample has no variance: 0 divided by 0.
      {"5", {"1", "5", "5", "0", "5", "5", "nan", "nan", "nan", "5"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(Figures(c.input), c.figures);
  }
}

}  // namespace
}  // namespace tabulex
