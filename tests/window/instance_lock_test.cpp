#include "window/instance_lock.h"
#include "support/temp_directory.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace tabulex {
namespace {

namespace fs = std::filesystem;

class InstanceLockTest : public testing::Test {
 protected:
  fs::path LockFile() const { return m_directory / "fzdk"; }

  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  TempDirectory m_temp;
  const fs::path m_directory{m_temp.Path()};
};

TEST_F(InstanceLockTest, OnlyOneHolderAtATimeAndTheLockGoesWithItsHolder) {
  std::optional<InstanceLock> first{std::in_place};
  ASSERT_EQ(first->Acquire(LockFile()), LockOutcome::Held);
  EXPECT_TRUE(first->IsHeld());
  EXPECT_EQ(Contents(LockFile()), std::string(1, '\0'));

  InstanceLock second;
  EXPECT_EQ(second.Acquire(LockFile()), LockOutcome::HeldElsewhere);
  EXPECT_FALSE(second.IsHeld());
  EXPECT_EQ(second.Acquire(LockFile()), LockOutcome::HeldElsewhere);

  // The holder ends (as a process end or a crash would): the file stays, and locks again.
  first.reset();
  ASSERT_TRUE(fs::exists(LockFile()));
  EXPECT_EQ(second.Acquire(LockFile()), LockOutcome::Held);
  EXPECT_EQ(InstanceLock().Acquire(LockFile()), LockOutcome::HeldElsewhere);
}

TEST_F(InstanceLockTest, AnExistingLockFileIsLockedAsItIs) {
  std::ofstream(LockFile(), std::ios::binary) << "kept";
  InstanceLock lock;
  EXPECT_EQ(lock.Acquire(LockFile()), LockOutcome::Held);
  EXPECT_EQ(Contents(LockFile()), "kept");
}

TEST_F(InstanceLockTest, ALockFileThatCannotBeOpenedLeavesTheInstanceFreeToStart) {
  // A socket in the file's place: nobody, not even root, can open it.
  const fs::path socketPath = m_directory / "fzdk";
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socketPath.string().size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);

  const struct {
    const char* name;
    fs::path lockFile;
  } rows[] = {
      {"first run: no run-files directory", m_directory / "missing" / "fzdk"},
      {"run-files directory is not a directory", socketPath / "fzdk"},
      {"lock file cannot be opened", socketPath},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    InstanceLock first;
    InstanceLock second;
    EXPECT_EQ(first.Acquire(row.lockFile), LockOutcome::Unavailable);
    EXPECT_EQ(second.Acquire(row.lockFile), LockOutcome::Unavailable);
    EXPECT_FALSE(first.IsHeld());
  }
  EXPECT_FALSE(fs::exists(m_directory / "missing"));
}

}  // namespace
}  // namespace tabulex
