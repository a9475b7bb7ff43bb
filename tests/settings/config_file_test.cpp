#include "settings/config_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/gbk_text.h"
#include "support/temp_directory.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override { m_path = m_directory / "Tabulo配置文件.ini"; }

  std::string FileText() const {
    std::ifstream in(m_path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::vector<std::string> DirectoryEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_directory)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  TempDirectory m_temp;
  const fs::path m_directory{m_temp.Path()};
  fs::path m_path;
};

const std::string kRun = Utf8ToGbk("运行设置");

TEST_F(ConfigFileTest, WithoutItsDirectoryReadsGiveDefaultsAndWritesFailWithoutCreatingIt) {
  ConfigFile config(m_directory / "Tabulo运行文件" / "Tabulo配置文件.ini");
  EXPECT_EQ(config.ReadKey(kRun, Utf8ToGbk("撤销设置"), "50"), "50");
  EXPECT_FALSE(config.WriteKey(kRun, Utf8ToGbk("撤销设置"), "20"));
  EXPECT_FALSE(fs::exists(m_directory / "Tabulo运行文件"));
  EXPECT_FALSE(config.Exists());
}

TEST_F(ConfigFileTest, TheFirstWriteCreatesTheFileInGbk) {
  ConfigFile config(m_path);
  EXPECT_EQ(config.ReadKey(kRun, Utf8ToGbk("窗口状态"), "0"), "0");
  EXPECT_TRUE(config.WriteKey(kRun, Utf8ToGbk("窗口状态"), "3"));
  EXPECT_TRUE(config.Exists());
  EXPECT_EQ(FileText(), Utf8ToGbk("[运行设置]\r\n窗口状态=3\r\n"));
  EXPECT_EQ(config.ReadKey(kRun, Utf8ToGbk("窗口状态"), "0"), "3");
}

TEST_F(ConfigFileTest, WritersOneAfterTheOtherKeepEachOthersKeysAndLeaveNoTemporaryFile) {
  ConfigFile first(m_path);
  ConfigFile second(m_path);
  EXPECT_TRUE(first.WriteKey("a", "k1", "1"));
  EXPECT_TRUE(second.WriteKey("a", "k2", "2"));
  EXPECT_TRUE(first.WriteKey("b", "k3", "3"));
  EXPECT_TRUE(second.WriteKey("a", "k1", "one"));

  const ConfigFile reader(m_path);
  EXPECT_EQ(reader.ReadKey("a", "k1", "-"), "one");
  EXPECT_EQ(reader.ReadKey("a", "k2", "-"), "2");
  EXPECT_EQ(reader.ReadKey("b", "k3", "-"), "3");
  EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"Tabulo配置文件.ini"});
}

TEST_F(ConfigFileTest, ProcessesWritingAtTheSameTimeKeepEveryKey) {
  constexpr int kProcesses = 4;
  constexpr int kKeysEach = 25;
  std::vector<pid_t> children;
  for (int p = 0; p < kProcesses; ++p) {
    const pid_t pid = ::fork();
    ASSERT_NE(pid, -1);
    if (pid == 0) {
      ConfigFile config(m_path);
      bool ok = true;
      for (int k = 0; k < kKeysEach; ++k) {
        const std::string name = std::to_string(p) + "-" + std::to_string(k);
        ok = config.WriteKey("s" + std::to_string(k % 3), name, name) && ok;
      }
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }

  const ConfigFile reader(m_path);
  for (int p = 0; p < kProcesses; ++p) {
    for (int k = 0; k < kKeysEach; ++k) {
      const std::string name = std::to_string(p) + "-" + std::to_string(k);
      EXPECT_EQ(reader.ReadKey("s" + std::to_string(k % 3), name, "missing"), name);
    }
  }
  EXPECT_EQ(DirectoryEntries().size(), 1u);
}

TEST_F(ConfigFileTest, AFailedWriteLeavesTheOldFileIntact) {
  ConfigFile config(m_path);
  ASSERT_TRUE(config.WriteKey("a", "k", "old"));
  const std::string before = FileText();

  // The child may write no file beyond 4 KB, so writing the new content fails half-way.
  const pid_t pid = ::fork();
  ASSERT_NE(pid, -1);
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = ConfigFile(m_path).WriteKey("a", "k", std::string(10000, 'n'));
    ::_exit(written ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write did not fail";

  EXPECT_EQ(FileText(), before);
  EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"Tabulo配置文件.ini"});
}

TEST_F(ConfigFileTest, KeepsThePermissionsOfAnExistingFile) {
  ConfigFile config(m_path);
  ASSERT_TRUE(config.WriteKey("a", "k", "1"));
  fs::permissions(m_path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(config.WriteKey("a", "k", "2"));
  EXPECT_EQ(fs::status(m_path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ConfigFileTest, ANewFileFollowsTheUmask) {
  const mode_t old = ::umask(027);
  const bool written = ConfigFile(m_path).WriteKey("a", "k", "1");
  ::umask(old);
  ASSERT_TRUE(written);
  EXPECT_EQ(fs::status(m_path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ConfigFileTest, AReadOnlyFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  ConfigFile config(m_path);
  ASSERT_TRUE(config.WriteKey("a", "k", "1"));
  fs::permissions(m_path, fs::perms::owner_read);
  EXPECT_FALSE(config.WriteKey("a", "k", "2"));
  EXPECT_EQ(config.ReadKey("a", "k", "-"), "1");
}

TEST_F(ConfigFileTest, RemoveDeletesTheFileAndLaterReadsGiveDefaults) {
  ConfigFile config(m_path);
  ASSERT_TRUE(config.WriteKey("a", "k", "1"));
  EXPECT_TRUE(config.Remove());
  EXPECT_FALSE(config.Exists());
  EXPECT_EQ(config.ReadKey("a", "k", "default"), "default");
  EXPECT_TRUE(config.Remove());
  EXPECT_TRUE(ConfigFile(m_directory / "missing" / "x.ini").Remove());
}

}  // namespace
}  // namespace tabulex
