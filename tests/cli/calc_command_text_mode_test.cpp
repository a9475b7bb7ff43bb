// tabulex-calc on whole texts: the batch calculation over standard input or a file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/calc_command.h"
#include "support/temp_directory.h"

namespace tabulex {
namespace {

struct TextRun {
  int exit{0};
  std::string out;
  std::string err;
};

TextRun Calc(const std::string& input, std::vector<std::string> arguments = {}) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int exit = RunCalcCommand(arguments, in, out, err);
  return {exit, out.str(), err.str()};
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(TextMode, CalculatesEveryLineKeepingEncodingAndLineEnds) {
  const struct {
    std::string input;
    std::vector<std::string> arguments;
    std::string output;
  } rows[] = {
      {"1+1\r\n2*3\r\nx\r\n4^2\r\n", {}, "1+1=2\r\n2*3=6\r\nx\r\n4^2=16\r\n"},
      {"1+1\n2*3\nx\n4^2", {}, "1+1=2\n2*3=6\nx\n4^2=16"},
      {"价格=0.3+0.5\n", {}, "价格=0.3+0.5=0.8\n"},
      {"\xBC\xDB\xB8\xF1=1+2\r\n", {}, "\xBC\xDB\xB8\xF1=1+2=3\r\n"},  // GBK stays GBK
      {"\xEF\xBB\xBF"
       "1+1\n",
       {},
       "\xEF\xBB\xBF"
       "1+1=2\n"},
      {"1+1\n", {"--encoding", "gbk"}, "1+1=2\n"},
      {"1+2   3*4\n5-1\n", {"--set", "spaceSeparates=true"}, "1+2=3   3*4=12\n5-1=4\n"},
      {"1∟2+1∟4\n", {"--set=fractionDisplay=1", "-"}, "1∟2+1∟4=3∟4\n"},
      {"", {}, ""},
      {"\n\n", {}, "\n\n"},
      {std::string("1\0+1\n2+2\n", 9), {}, std::string("1\0+1\n2+2=4\n", 11)},
      {"\x81\x30\xFF\n1+1\n", {}, "\x81\x30\xFF\n1+1=2\n"},  // bytes that are no text stay
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.input));
    const TextRun run = Calc(row.input, row.arguments);
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.out, row.output);
    EXPECT_EQ(run.err, "");
  }
}

TEST(TextMode, StatusMessagesOnRequest) {
  const TextRun run = Calc("1+1\nx\n", {"--status"});
  EXPECT_EQ(run.out, "1+1=2\nx\n");
  // The elapsed time comes from the real clock: only its form is fixed.
  const std::string first = run.err.substr(0, run.err.find('\n') + 1);
  EXPECT_TRUE(first.starts_with("  [运算完成]_用时 ") && first.ends_with(" 秒\n")) << first;
  EXPECT_EQ(run.err.substr(first.size()), "  [表达式错误]_有不可识别的字符！\n");
}

TEST(TextMode, InPlaceRewritesTheFileAndKeepsItsPermissions) {
  TempDirectory dir;
  const auto file = dir / "sums.txt";
  WriteFile(file, "1+1\r\n2*3\r\n");
  ::chmod(file.c_str(), 0640);
  const TextRun run = Calc("", {"-i", file.string()});
  EXPECT_EQ(run.exit, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(ReadFile(file), "1+1=2\r\n2*3=6\r\n");
  EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_read);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left behind
}

TEST(TextMode, FileErrorsAndMisuseExitWithTwo) {
  TempDirectory dir;
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } rows[] = {
      {{(dir / "missing.txt").string()}, "cannot read"},
      {{dir.Path().string()}, "cannot read"},
      {{"-i"}, "--in-place needs an input file"},
      {{"-i", "-"}, "--in-place needs an input file"},
      {{"a.txt", "b.txt"}, "one input file only"},
      {{"-e", "1", "a.txt"}, "takes no input file"},
      {{"--encoding", "latin1"}, "unknown encoding"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    const TextRun run = Calc("1+1\n", row.arguments);
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
  }
}

TEST(TextMode, AFileThatCannotBeReplacedIsReportedAndLeftAlone) {
  // No file can be created next to it, whoever runs the test.
  const std::string file = "/proc/self/comm";
  const std::string before = ReadFile(file);
  const TextRun run = Calc("", {"--in-place", file});
  EXPECT_EQ(run.exit, 2);
  EXPECT_NE(run.err.find("cannot write '/proc/self/comm'"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile(file), before);
}

TEST(TextMode, SettingsFromAConfigurationFileThenFromSet) {
  TempDirectory dir;
  const auto config = dir / "Tabulo配置文件.ini";
  // GBK, as the desktop program writes it: 分数类型=1 and 逗号千分割=2.
  WriteFile(config,
            "[\xC6\xE4\xCB\xFB\xC9\xE8\xD6\xC3]\r\n"
            "\xB7\xD6\xCA\xFD\xC0\xE0\xD0\xCD=1\r\n"
            "\xB6\xBA\xBA\xC5\xC7\xA7\xB7\xD6\xB8\xEE=2\r\n");
  EXPECT_EQ(Calc("1∟2+1∟4\n1234*1\n", {"--config", config.string()}).out,
            "1∟2+1∟4=3∟4\n1234*1=1,234\n");
  EXPECT_EQ(Calc("1∟2+1∟4\n", {"--set", "fractionDisplay=0", "--config", config.string()}).out,
            "1∟2+1∟4=0.75\n");
  const TextRun missing = Calc("1+1\n", {"--config", (dir / "none.ini").string()});
  EXPECT_EQ(missing.exit, 2);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace tabulex
