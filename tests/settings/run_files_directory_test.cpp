#include "settings/run_files_directory.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <set>
#include <string>

namespace tabulex {
namespace {

namespace fs = std::filesystem;

TEST(RunFilesDirectory, ResolvesOverridesPortableUseAndTheConfigurationHome) {
  const RunFilesInputs installed{
      .xdgConfigHome = "/home/u/.cfg",
      .home = "/home/u",
      .executableDirectory = "/usr/bin",
  };
  const struct {
    const char* name;
    RunFilesInputs inputs;
    std::set<std::string> writable;
    fs::path expected;
  } rows[] = {
      {"option wins over the variable",
       {.runDirOption = "/o", .runDirVariable = "/v", .executableDirectory = "/app"},
       {"/app"},
       "/o"},
      {"variable", {.runDirVariable = "/v", .executableDirectory = "/app"}, {"/app"}, "/v"},
      {"empty option and variable count as absent",
       {.runDirOption = "", .runDirVariable = "", .executableDirectory = "/app"},
       {"/app"},
       "/app/Tabulo运行文件"},
      {"portable: the executable's directory is writable",
       {.home = "/home/u", .executableDirectory = "/app"},
       {"/app"},
       "/app/Tabulo运行文件"},
      {"portable: only the run-files directory is writable",
       {.home = "/home/u", .executableDirectory = "/app"},
       {"/app/Tabulo运行文件"},
       "/app/Tabulo运行文件"},
      {"installed: XDG_CONFIG_HOME", installed, {}, "/home/u/.cfg/tabulex/Tabulo运行文件"},
      {"installed: XDG_CONFIG_HOME empty",
       {.xdgConfigHome = "", .home = "/home/u", .executableDirectory = "/usr/bin"},
       {},
       "/home/u/.config/tabulex/Tabulo运行文件"},
      {"installed: XDG_CONFIG_HOME relative",
       {.xdgConfigHome = "cfg", .home = "/home/u", .executableDirectory = "/usr/bin"},
       {},
       "/home/u/.config/tabulex/Tabulo运行文件"},
      {"installed: XDG_CONFIG_HOME unset",
       {.home = "/home/u", .executableDirectory = "/usr/bin"},
       {},
       "/home/u/.config/tabulex/Tabulo运行文件"},
      {"installed, run by root who may write there: still XDG",
       {.home = "/root", .executableDirectory = "/usr/bin"},
       {"/usr/bin"},
       "/root/.config/tabulex/Tabulo运行文件"},
      {"installed under /usr/local",
       {.home = "/root", .executableDirectory = "/usr/local/bin"},
       {"/usr/local/bin"},
       "/root/.config/tabulex/Tabulo运行文件"},
      {"a copy in /opt is portable",
       {.home = "/root", .executableDirectory = "/opt/tabulex"},
       {"/opt/tabulex"},
       "/opt/tabulex/Tabulo运行文件"},
      {"a directory merely named like /usr is portable",
       {.home = "/home/u", .executableDirectory = "/usrapps/tabulex"},
       {"/usrapps/tabulex"},
       "/usrapps/tabulex/Tabulo运行文件"},
      {"unknown executable", {.home = "/home/u"}, {}, "/home/u/.config/tabulex/Tabulo运行文件"},
      {"nowhere to go", {.executableDirectory = "/usr/bin"}, {}, "/usr/bin/Tabulo运行文件"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto isWritable = [&](const fs::path& path) { return row.writable.contains(path); };
    EXPECT_EQ(ResolveRunFilesDirectory(row.inputs, isWritable), row.expected);
  }
}

TEST(RunFilesDirectory, TheOptionAndTheVariableReachTheProcessWideResolution) {
  ::setenv("TABULEX_RUN_DIR", "/from/variable", 1);
  EXPECT_EQ(RunFilesDirectory(std::nullopt), "/from/variable");
  EXPECT_EQ(RunFilesDirectory("/from/option"), "/from/option");
  ::unsetenv("TABULEX_RUN_DIR");
}

TEST(RunFilesDirectory, NamesTheThreeFiles) {
  const RunFilesPaths paths = RunFilesPathsIn("/d");
  EXPECT_EQ(paths.directory, "/d");
  EXPECT_EQ(paths.configFile, "/d/Tabulo配置文件.ini");
  EXPECT_EQ(paths.lockFile, "/d/fzdk");
  EXPECT_EQ(paths.backupFile, "/d/Tabulo备份文件.txt");
}

}  // namespace
}  // namespace tabulex
