#include "cli/unit_command.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_runs.h"
#include "tools/unit_conversion.h"

namespace tabulex {
namespace {

// tabulex-calc with these arguments; a text waits on standard input and must stay unread.
CalcRun Calc(const std::vector<std::string>& arguments) {
  std::istringstream in("1+1\n");
  const CalcRun run = tabulex::Calc(arguments, in);
  EXPECT_EQ(in.tellg(), 0) << "standard input was read";
  return run;
}

TEST(ConvertOption, PrintsTheValueInTheOtherUnit) {
  const struct {
    std::vector<std::string> arguments;
    const char* expected;
  } rows[] = {
      {{"--convert", "1", "斤", "kg"}, "0.5\n"},
      {{"--convert", "1", "两", "克"}, "50\n"},
      {{"--convert", "1", "亩", "m2"}, "666.6666666667\n"},
      {{"--convert", "1", "丈", "米"}, "3.333333333333\n"},
      {{"--convert", "1", "里", "m"}, "500\n"},
      {{"--convert", "1", "尺", "m"}, "0.3333333333333\n"},
      {{"--convert", "-40", "°C", "°F"}, "-40\n"},
      {{"--convert", "100", "℉", "℃"}, "37.77777777778\n"},
      {{"--convert", "0", "K", "°C"}, "-273.15\n"},
      {{"--convert", "1", "mi", "km"}, "1.609344\n"},
      {{"--convert", "1", "KiB", "B"}, "1024\n"},
      {{"--convert", "１５００", "米", "公里"}, "1.5\n"},
      {{"--convert", " 2.5e3 ", "m", "km"}, "2.5\n"},
      {{"--convert=1", "µm", "nm"}, "1000\n"},
      {{"--convert", "1", "m²", "亩"}, "0.0015\n"},
      // "度" takes the category of the other unit.
      {{"--convert", "180", "度", "rad"}, "3.14159265359\n"},
      {{"--convert", "1", "度", "J"}, "3600000\n"},
      {{"--convert", "1", "kWh", "度"}, "1\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments[1] + " " + row.arguments[row.arguments.size() - 2] + " " +
                 row.arguments.back());
    const CalcRun run = Calc(row.arguments);
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.out, row.expected);
    EXPECT_EQ(run.err, "");
  }
}

TEST(ConvertOption, WhatCannotBeConvertedIsToldInOneLine) {
  const struct {
    std::vector<std::string> arguments;
    const char* expected;
  } rows[] = {
      {{"--convert", "1", "furlong", "m"}, "tabulex-calc: unknown unit 'furlong'\n"},
      {{"--convert", "1", "m", "KM"}, "tabulex-calc: unknown unit 'KM'\n"},
      {{"--convert", "1", "m", "kg"}, "tabulex-calc: cannot convert 'm' (长度) to 'kg' (质量)\n"},
      {{"--convert", "1", "度", "kg"},
       "tabulex-calc: cannot convert '度' (能量/角度) to 'kg' (质量)\n"},
      {{"--convert", "1", "度", "度"},
       "tabulex-calc: cannot tell whether '度' to '度' is 能量 or 角度\n"},
      {{"--convert", "abc", "m", "km"}, "tabulex-calc: 'abc' is not a number\n"},
      {{"--convert", "1.2.3", "m", "km"}, "tabulex-calc: '1.2.3' is not a number\n"},
      {{"--convert", "", "m", "km"}, "tabulex-calc: '' is not a number\n"},
      {{"--convert", "1+1", "m", "km"}, "tabulex-calc: '1+1' is not a number\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expected);
    const CalcRun run = Calc(row.arguments);
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, row.expected);
  }
}

TEST(ConvertOption, MisuseIsAUsageError) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"--convert"},
           {"--convert", "1"},
           {"--convert", "1", "m"},
           {"--convert=1", "m"},
           {"--convert", "1", "m", "km", "-e", "1+1"},
           {"-e", "1+1", "--convert", "1", "m", "km"},
           {"--convert", "1", "m", "km", "file.txt"},
           {"--convert", "1", "m", "km", "-i"},
       }) {
    SCOPED_TRACE(arguments.back());
    const CalcRun run = Calc(arguments);
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Try 'tabulex-calc --help'"), std::string::npos) << run.err;
  }
  EXPECT_NE(Calc({"--help"}).out.find("--convert VALUE FROM TO"), std::string::npos);
}

// The names the shell completion offers after --convert VALUE: each one --convert resolves,
// printed in UTF-8 however the table holds it, and once.
TEST(ListUnitsOption, ListsEveryUnitNameOnceInUtf8) {
  const CalcRun run = Calc({"--list-units"});
  EXPECT_EQ(run.exit, 0);
  EXPECT_EQ(run.err, "");
  std::set<std::string> seen;
  std::istringstream lines(run.out);
  for (std::string name; std::getline(lines, name);) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(FindUnits(UnitNameFromUtf8(name)).empty());
    EXPECT_TRUE(seen.insert(name).second) << "listed twice";
  }
  for (const char* name : {"米", "km", "亩", "m2", "斤", "°F", "℃", "km/h", "KiB", "度", "rad"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(seen.contains(name));
  }
}

// The real program, with a line on standard input that it must leave alone: had it read it,
// "1+1=2" would show.
TEST(ConvertBinary, ConvertsWithoutReadingStandardInput) {
  const auto run = [](const std::string& arguments) {
    return RunCalcBinary(arguments, "echo 1+1 | ");
  };
  EXPECT_EQ(run("--convert 1 斤 kg"), "0.5\n[0]\n");
  EXPECT_EQ(run("--convert 1 亩 平方米"), "666.6666666667\n[0]\n");
  EXPECT_EQ(run("--convert -40 °C °F"), "-40\n[0]\n");
  EXPECT_EQ(run("--convert 1 尺 furlong"), "tabulex-calc: unknown unit 'furlong'\n[2]\n");
  EXPECT_EQ(run("--convert 1 m kg"),
            "tabulex-calc: cannot convert 'm' (长度) to 'kg' (质量)\n[2]\n");
  EXPECT_EQ(run("--convert x m km"), "tabulex-calc: 'x' is not a number\n[2]\n");
}

}  // namespace
}  // namespace tabulex
