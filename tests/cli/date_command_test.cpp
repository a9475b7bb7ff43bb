#include "cli/date_command.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_runs.h"

namespace tabulex {
namespace {

TEST(DateCommand, PrintsTheDaysBetweenTwoDates) {
  const struct {
    std::vector<std::string> arguments;
    const char* out;
  } rows[] = {
      {{"--days", "2024-02-10", "2024-03-01"}, "20\n"},
      {{"--days", "2024-03-01", "2024-02-10"}, "-20\n"},
      {{"--days", "1900-02-28", "1900-03-01"}, "1\n"},
      {{"--days", "2000/2/28", "2000年3月1日"}, "2\n"},
      {{"--days", "0001-01-01", "9999-12-31"}, "3652058\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments[1] + " " + row.arguments[2]);
    const CalcRun run = Calc(row.arguments);
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.err, "");
  }
}

TEST(DateCommand, DescribesOneDate) {
  const struct {
    std::vector<std::string> arguments;
    const char* out;
  } rows[] = {
      {{"--date", "2024-02-10"}, "2024-02-10 星期六 甲辰年 (龙) 正月初一\n"},
      {{"--date", "2024-02-04"}, "2024-02-04 星期日 癸卯年 (兔) 腊月廿五 立春\n"},
      {{"--date=２０２３年３月２２日"}, "2023-03-22 星期三 癸卯年 (兔) 闰二月初一\n"},
      {{"--date", "1850-01-01"}, "1850-01-01 星期二 农历日期仅限1901年至2099年\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments.back());
    const CalcRun run = Calc(row.arguments);
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.out, row.out);
    EXPECT_EQ(run.err, "");
  }
}

TEST(DateCommand, ADateThatDoesNotExistExitsWithTwo) {
  const struct {
    std::vector<std::string> arguments;
    const char* err;
  } rows[] = {
      {{"--date", "2024-02-30"}, "tabulex-calc: 日期无效：2024年2月没有30日\n"},
      {{"--days", "2024-01-01", "2023-02-29"}, "tabulex-calc: 日期无效：2023年2月没有29日\n"},
      {{"--days", "2024-13-01", "2024-01-01"}, "tabulex-calc: 日期无效：没有13月\n"},
      {{"--date", "10.2.2024"},
       "tabulex-calc: 日期格式错误：应为 2024-02-10、2024/2/10 或 2024年2月10日\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments.back());
    const CalcRun run = Calc(row.arguments);
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, row.err);
  }
}

TEST(DateCommand, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"--days"},
           {"--days", "2024-01-01"},
           {"--date"},
           {"--date", "2024-01-01", "-e", "1+1"},
           {"--days", "2024-01-01", "2024-02-01", "file.txt"},
           {"--date", "2024-01-01", "--days", "2024-01-01", "2024-02-01"},
           {"--date", "2024-01-01", "--date", "2024-01-02"},
       }) {
    SCOPED_TRACE(arguments.back());
    const CalcRun run = Calc(arguments);
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Try 'tabulex-calc --help'"), std::string::npos) << run.err;
  }
}

TEST(DateCommand, IsInTheHelp) {
  const CalcRun help = Calc({"--help"});
  EXPECT_NE(help.out.find("tabulex-calc --days DATE1 DATE2"), std::string::npos);
  EXPECT_NE(help.out.find("tabulex-calc --date DATE"), std::string::npos);
}

// The real program: UTF-8 on standard output, the message and status 2 for a date that is none.
TEST(DateBinary, PrintsUtf8AndExitsWithTwoForAnImpossibleDate) {
  const auto run = [](const std::string& arguments) { return RunCalcBinary(arguments); };
  EXPECT_EQ(run("--days 2024-02-10 2024-03-01"), "20\n[0]\n");
  EXPECT_EQ(run("--date 2024-02-10"), "2024-02-10 星期六 甲辰年 (龙) 正月初一\n[0]\n");
  EXPECT_EQ(run("--date 2024年2月30日"), "tabulex-calc: 日期无效：2024年2月没有30日\n[2]\n");
}

}  // namespace
}  // namespace tabulex
