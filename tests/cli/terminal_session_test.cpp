// tabulex-calc at a terminal, through a pseudo-terminal: each line is answered while the
// session goes on, and "quit" ends it with the history kept.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/temp_directory.h"

namespace tabulex {
namespace {

class TerminalSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(m_state.Path().empty());
    m_pid = ::forkpty(&m_terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(m_pid, 0);
    if (m_pid == 0) {
      ::setenv("XDG_STATE_HOME", m_state.Path().c_str(), 1);
      ::execl(TABULEX_CALC_BINARY, "tabulex-calc", "--set", "fractionDisplay=1", nullptr);
      ::_exit(127);
    }
  }
  void TearDown() override {
    if (m_pid > 0) {
      ::kill(m_pid, SIGKILL);
      ::waitpid(m_pid, nullptr, 0);
    }
    ::close(m_terminal);
  }

  void Type(const std::string& keys) {
    ASSERT_EQ(::write(m_terminal, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  // Reads what the terminal shows until it holds text; false after 10 seconds without.
  bool Shows(const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (m_shown.find(text) == std::string::npos) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      pollfd ready{m_terminal, POLLIN, 0};
      if (::poll(&ready, 1, 100) <= 0) continue;
      char buffer[256];
      const ssize_t count = ::read(m_terminal, buffer, sizeof buffer);
      if (count <= 0) return m_shown.find(text) != std::string::npos;
      m_shown.append(buffer, static_cast<std::size_t>(count));
    }
    return true;
  }

  TempDirectory m_state;
  int m_terminal{-1};
  pid_t m_pid{-1};
  std::string m_shown;
};

TEST_F(TerminalSessionTest, AnswersEachLineAsItIsEnteredAndQuitEnds) {
  Type("1∟2+1∟4\r");
  EXPECT_TRUE(Shows("1∟2+1∟4=3∟4")) << m_shown;  // while the session still runs
  Type("x+1\r");
  EXPECT_TRUE(Shows("  [表达式错误]_有不可识别的字符！")) << m_shown;
  Type("quit\r");
  int status = -1;
  for (int i = 0; i < 100 && ::waitpid(m_pid, &status, WNOHANG) == 0; ++i) ::usleep(50000);
  ASSERT_TRUE(WIFEXITED(status)) << m_shown;
  EXPECT_EQ(WEXITSTATUS(status), 0);
  m_pid = -1;
  std::ifstream history(m_state / "tabulex" / "history");
  std::stringstream kept;
  kept << history.rdbuf();
  EXPECT_NE(kept.str().find("x+1"), std::string::npos) << kept.str();
}

}  // namespace
}  // namespace tabulex
