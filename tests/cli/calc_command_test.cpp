#include "cli/calc_command.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <sstream>

#include "cli/calc_runs.h"

namespace tabulex {
namespace {

TEST(CalcCommand, PrintsTheResultOrTheStatusMessage) {
  const struct {
    std::vector<std::string> arguments;
    CalcRun expected;
  } rows[] = {
      {{"-e", "15+3"}, {0, "18\n", ""}},
      {{"--expression=5(3+6)"}, {0, "45\n", ""}},
      {{"-e", "价格=0.3+0.5"}, {0, "0.8\n", ""}},
      {{"-e", "1+2="}, {0, "3\n", ""}},
      {{"-e", "10^20"}, {0, "1×10^020\n", ""}},
      {{"-e", "x+1"}, {1, "", "  [表达式错误]_有不可识别的字符！\n"}},
      {{"-e", "5"}, {1, "", "  [提示]_没有可计算的表达式,值已加入累加器！\n"}},
      {{"-e", ""}, {1, "", ""}},
      {{"-e", "1+2=="}, {1, "", ""}},
      {{"-e", "1😀2"}, {1, "", "  [表达式错误]_有不可识别的字符！\n"}},
      // Only the last line is calculated: the caret stands at the end of the text.
      {{"-e", "1+1\n2*3"}, {0, "6\n", ""}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments.back());
    const CalcRun run = Calc(row.arguments);
    EXPECT_EQ(run.exit, row.expected.exit);
    EXPECT_EQ(run.out, row.expected.out);
    EXPECT_EQ(run.err, row.expected.err);
  }
}

TEST(CalcCommand, SettingsBeforeOrAfterTheExpression) {
  EXPECT_EQ(Calc({"--set", "fractionDisplay=1", "-e", "1∟2+1∟4"}).out, "3∟4\n");
  EXPECT_EQ(Calc({"-e", "2÷3", "--set", "precisionDigits=2", "--set=decimalRounding=false"}).out,
            "0.67\n");
  EXPECT_EQ(Calc({"-e", "1+1", "--set", "decimalRounding=假", "--set", "precisionDigits=2"}).out,
            "2.00\n");
  EXPECT_EQ(Calc({"-e", "1234567*1", "--set", "thousandsSeparator=1"}).out, "1;234;567\n");
  EXPECT_EQ(Calc({"-e", "sin(π÷2)", "--set", "angleUnit=2"}).out, "1\n");
  EXPECT_EQ(Calc({"-e", "1+2   3+4", "--set", "spaceSeparates=1"}).out, "7\n");
}

TEST(CalcCommand, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"-e"},
           {"-e", "1+1", "--set", "noSuchField=1"},
           {"-e", "1+1", "--set", "fractionDisplay=x"},
           {"-e", "1+1", "--set", "decimalRounding=yes"},
           {"-e", "1+1", "--set", "fractionDisplay"},
           {"-e", "1+1", "--set"},
           {"-e", "1+1", "--frobnicate"},
           {"-e", "1+1", "extra"},
       }) {
    const CalcRun run = Calc(arguments);
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("tabulex-calc: "), std::string::npos) << run.err;
  }
}

TEST(CalcCommand, HelpAndVersion) {
  const CalcRun help = Calc({"--help"});
  EXPECT_EQ(help.exit, 0);
  EXPECT_NE(help.out.find("tabulex-calc -e EXPR"), std::string::npos);
  const CalcRun version = Calc({"--version"});
  EXPECT_EQ(version.exit, 0);
  EXPECT_EQ(version.out, "tabulex-calc (Tabulex) 6.2.3\n");
}

// The shell completion offers these after --set: each must be a field --set takes.
TEST(CalcCommand, ListsTheFieldsThatSetTakes) {
  const CalcRun list = Calc({"--list-fields"});
  EXPECT_EQ(list.exit, 0);
  EXPECT_EQ(list.err, "");
  EXPECT_NE(list.out.find("fractionDisplay\n"), std::string::npos);
  std::istringstream lines(list.out);
  for (std::string field; std::getline(lines, field);) {
    SCOPED_TRACE(field);
    const CalcRun run = Calc({"-e", "1+1", "--set", field + "=0"});
    EXPECT_EQ(run.err, "");
  }
}

// What a shell command prints (standard output and error).
std::string Shell(const std::string& command) {
  FILE* pipe = popen(("bash -c '" + command + "'").c_str(), "r");
  std::string output;
  std::array<char, 256> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) output += buffer.data();
  pclose(pipe);
  return output;
}

// The real program: exit status and both streams.
TEST(CalcBinary, KeepsTheCommandLineContract) {
  const auto run = [](const std::string& arguments) { return RunCalcBinary(arguments); };
  EXPECT_EQ(run("-e '1∟3+2∟1∟4' --set fractionDisplay=2"), "2∟7∟12\n[0]\n");
  EXPECT_EQ(run("-e '(1+2'"), "  [表达式错误]_错误，公式缺少右括号！\n[1]\n");
  EXPECT_EQ(run("-e 1 --set bogus=1"),
            "tabulex-calc: unknown setting 'bogus'\n"
            "Try 'tabulex-calc --help' for more information.\n[2]\n");
}

// A text is a stream: lines come out while more come in, an endless input is no problem, and a
// reader that goes away ends the program quietly.
TEST(CalcBinary, StreamsTheTextAndEndsQuietlyWhenTheReaderGoes) {
  const std::string calc = TABULEX_CALC_BINARY;
  EXPECT_EQ(
      Shell("yes 1+1 | timeout 20 " + calc + " 2>&1 | head -n 3; echo \"[${PIPESTATUS[1]}]\""),
      "1+1=2\n1+1=2\n1+1=2\n[0]\n");
  EXPECT_EQ(Shell("seq 100000 | sed \"s/$/*2/\" | " + calc +
                  " 2>&1 | head -c 5; echo \"[${PIPESTATUS[2]}]\""),
            "1*2=2[0]\n");
}

}  // namespace
}  // namespace tabulex
