#include "window/local_socket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_directory.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;

class LocalSocketTest : public testing::Test {
 protected:
  fs::path SocketPath() const { return m_directory.Path() / "s"; }

  TempDirectory m_directory;
};

TEST_F(LocalSocketTest, ALeftoverIsReplacedAndOnlyTheUserMayConnect) {
  std::ofstream(SocketPath()) << "left by a crash";
  const FileDescriptor server = LocalSocket::Listen(SocketPath());
  ASSERT_TRUE(server.IsOpen());
  struct stat status {};
  ASSERT_EQ(::stat(SocketPath().c_str(), &status), 0);
  EXPECT_TRUE(S_ISSOCK(status.st_mode));
  EXPECT_EQ(status.st_mode & 0777, 0600u);
  // Nothing of the private directory it was bound in is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(m_directory.Path()), fs::directory_iterator()), 1);
}

TEST_F(LocalSocketTest, ALineTravelsBothWays) {
  const FileDescriptor server = LocalSocket::Listen(SocketPath());
  ASSERT_TRUE(server.IsOpen());
  const FileDescriptor client = LocalSocket::Connect(SocketPath(), 1000);
  ASSERT_TRUE(client.IsOpen());
  const FileDescriptor accepted = LocalSocket::Accept(server.Get());
  ASSERT_TRUE(accepted.IsOpen());
  EXPECT_FALSE(LocalSocket::Accept(server.Get()).IsOpen());  // no one else waits

  ASSERT_TRUE(LocalSocket::SendAll(client.Get(), "restore\n", 1000));
  EXPECT_EQ(LocalSocket::ReceiveLine(accepted.Get(), 100, 1000), "restore\n");
  ASSERT_TRUE(LocalSocket::SendAll(accepted.Get(), "ok\n", 1000));
  EXPECT_EQ(LocalSocket::ReceiveLine(client.Get(), 100, 1000), "ok\n");
}

// The waits of a second start are bounded: no listener, no answer, a closed connection.
TEST_F(LocalSocketTest, WaitsEndWithoutAnAnswer) {
  EXPECT_FALSE(LocalSocket::Connect(SocketPath(), 100).IsOpen());

  const FileDescriptor server = LocalSocket::Listen(SocketPath());
  const FileDescriptor client = LocalSocket::Connect(SocketPath(), 1000);
  ASSERT_TRUE(client.IsOpen());
  FileDescriptor accepted = LocalSocket::Accept(server.Get());
  ASSERT_TRUE(LocalSocket::SendAll(accepted.Get(), "no line end", 1000));
  EXPECT_EQ(LocalSocket::ReceiveLine(client.Get(), 100, 50), std::nullopt);
  accepted.Close();
  EXPECT_EQ(LocalSocket::ReceiveLine(client.Get(), 100, 1000), std::nullopt);
}

TEST_F(LocalSocketTest, APathTooLongForASocketIsRefused) {
  const fs::path path = m_directory.Path() / std::string(200, 'x');
  EXPECT_FALSE(LocalSocket::Listen(path).IsOpen());
  EXPECT_FALSE(LocalSocket::Connect(path, 100).IsOpen());
}

}  // namespace
}  // namespace tabulex
