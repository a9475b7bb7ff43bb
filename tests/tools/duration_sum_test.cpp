#include "tools/duration_sum.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

std::string Total(const char* utf8) {
  const Outcome<std::int64_t> total = SumDurations(Utf8ToGbk(utf8));
  return total.ok() ? DurationText(total.value()) : GbkToUtf8(total.message());
}

TEST(SumDurations, AddsTheLines) {
  const struct {
    const char* input;  // UTF-8, as typed; lines end with LF like a Qt text box's
    const char* total;
  } rows[] = {
      {"", "0:00:00"},
      {"1:30:20", "1:30:20"},
      {"1:30:20\n-0:45", "0:45:20"},
      {"0:0:30\n0:0:30", "0:01:00"},
      {"-1:02", "-1:02:00"},
      {"0:30\n-1:00", "-0:30:00"},
      {"+2:00", "2:00:00"},
      {"23:59:59\n0:00:01", "24:00:00"},
      {"100:00\n50:30", "150:30:00"},
      {"0:59:59\n0:00:01", "1:00:00"},
      // Empty lines, spaces around a line and CR before LF change nothing.
      {"1:00\n\n  \n 0:30 \r\n", "1:30:00"},
      {"１：３０", "1:30:00"},
      {"－０：１５", "-0:15:00"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    EXPECT_EQ(Total(row.input), row.total);
  }
}

TEST(SumDurations, NamesTheLineThatIsNoDuration) {
  const struct {
    const char* input;
    const char* message;
  } rows[] = {
      // A bare number could be hours or minutes.
      {"1:00\n2", "第2行格式错误：应为 h:mm:ss 或 h:mm"},
      {"1:00\n\n1:60", "第3行：分钟应在0至59之间"},
      {"0:00:75", "第1行：秒应在0至59之间"},
      {"1:2:3:4", "第1行格式错误：应为 h:mm:ss 或 h:mm"},
      {"1:300", "第1行格式错误：应为 h:mm:ss 或 h:mm"},
      {":30", "第1行格式错误：应为 h:mm:ss 或 h:mm"},
      {"1:", "第1行格式错误：应为 h:mm:ss 或 h:mm"},
      {"1.5:00", "第1行格式错误：应为 h:mm:ss 或 h:mm"},
      {"--1:00", "第1行格式错误：应为 h:mm:ss 或 h:mm"},
      {"1:-30", "第1行格式错误：应为 h:mm:ss 或 h:mm"},
      {"1 : 30", "第1行格式错误：应为 h:mm:ss 或 h:mm"},
      {"1000000000:00", "第1行：小时数过大"},
      {"99999999999999999999:00", "第1行格式错误：应为 h:mm:ss 或 h:mm"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.input);
    EXPECT_EQ(Total(row.input), row.message);
  }
}

}  // namespace
}  // namespace tabulex
