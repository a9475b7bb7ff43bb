#include "app/desktop_command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tabulex {
namespace {

// Runs TakeDesktopOptions over a writable copy of ARGUMENTS (with the program name in front)
// and returns what it left for Qt.
std::vector<std::string> TakeFrom(const std::vector<std::string>& arguments,
                                  DesktopCommandLine& commandLine) {
  std::vector<std::string> storage{"tabulex"};
  storage.insert(storage.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : storage) argv.push_back(argument.data());
  argv.push_back(nullptr);
  int argc = static_cast<int>(storage.size());
  commandLine = TakeDesktopOptions(argc, argv.data());
  EXPECT_EQ(argv[argc], nullptr);
  return {argv.begin() + 1, argv.begin() + argc};
}

TEST(DesktopCommandLine, TakesItsOwnOptionsAndLeavesTheRestToQt) {
  const struct {
    std::vector<std::string> arguments;
    DesktopRequest request;
    std::optional<std::string> runDir;
    std::vector<std::string> left;  // only for DesktopRequest::Run
  } rows[] = {
      {{}, DesktopRequest::Run, std::nullopt, {}},
      {{"notes.txt"}, DesktopRequest::Run, std::nullopt, {"notes.txt"}},
      {{"--help"}, DesktopRequest::ShowHelp, std::nullopt, {}},
      {{"-h"}, DesktopRequest::ShowHelp, std::nullopt, {}},
      {{"--version"}, DesktopRequest::ShowVersion, std::nullopt, {}},
      {{"notes.txt", "--version", "--help"}, DesktopRequest::ShowVersion, std::nullopt, {}},
      {{"--run-dir", "/r", "notes.txt"}, DesktopRequest::Run, "/r", {"notes.txt"}},
      {{"notes.txt", "--run-dir=/r"}, DesktopRequest::Run, "/r", {"notes.txt"}},
      // The value of --run-dir is never read as an option.
      {{"--run-dir", "--help"}, DesktopRequest::Run, "--help", {}},
      {{"-style", "fusion", "notes.txt"},
       DesktopRequest::Run,
       std::nullopt,
       {"-style", "fusion", "notes.txt"}},
      // Nothing after "--" is an option: files may be called --help.
      {{"--", "--help", "--run-dir", "/r"},
       DesktopRequest::Run,
       std::nullopt,
       {"--", "--help", "--run-dir", "/r"}},
      // A --run-dir without its value goes on to Qt, which ignores it.
      {{"notes.txt", "--run-dir"}, DesktopRequest::Run, std::nullopt, {"notes.txt", "--run-dir"}},
      // An empty argument names no option (--version has no short name).
      {{""}, DesktopRequest::Run, std::nullopt, {""}},
      {{"--helpful", "--version-2", "--run-directory"},
       DesktopRequest::Run,
       std::nullopt,
       {"--helpful", "--version-2", "--run-directory"}},
  };
  for (const auto& row : rows) {
    std::string name = "tabulex";
    for (const std::string& argument : row.arguments) name += " '" + argument + "'";
    SCOPED_TRACE(name);
    DesktopCommandLine commandLine;
    const std::vector<std::string> left = TakeFrom(row.arguments, commandLine);
    EXPECT_EQ(commandLine.request, row.request);
    EXPECT_EQ(commandLine.runDir, row.runDir);
    if (row.request == DesktopRequest::Run) {
      EXPECT_EQ(left, row.left);
    }
  }
}

}  // namespace
}  // namespace tabulex
