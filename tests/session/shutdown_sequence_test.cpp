#include "session/shutdown_sequence.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/gbk_text.h"
#include "settings/settings_writer.h"
#include "support/null_main_window.h"
#include "support/recording_store.h"
#include "support/temp_directory.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

class RecordingWindow final : public NullMainWindow {
 public:
  explicit RecordingWindow(Log& log) : m_log{log} {}

  EditorProperties font{};
  std::int64_t caret{0};

  EditorProperties EditorFont() const override { return font; }
  std::int64_t CaretOffset() const override { return caret; }
  void SaveContentBackup() override { m_log.push_back("SaveContentBackup"); }
  void RemoveTrayIcon() override { m_log.push_back("RemoveTrayIcon"); }

 private:
  Log& m_log;
};

class ShutdownSequenceTest : public ::testing::Test {
 protected:
  void SetUp() override { m_paths = RunFilesPathsIn(m_root / "Tabulo运行文件"); }

  // What SaveOnClose alone writes for these values.
  Log SaveOnCloseWrites(const EditorProperties& font, std::int64_t caret, CalcSettings settings) {
    Log log;
    RecordingStore store(log, "");
    SaveOnClose(store, m_paths, font, caret, settings);
    return log;
  }

  TempDirectory m_temp;
  const fs::path m_root{m_temp.Path()};
  RunFilesPaths m_paths;
};

TEST_F(ShutdownSequenceTest, SavesThenKeepsTheTextThenRemovesTheTrayIcon) {
  EditorProperties font;
  font.fontName = Utf8ToGbk("楷体");
  font.fontSize = 20;
  for (const bool keepContent : {true, false}) {
    SCOPED_TRACE(keepContent ? "keepContent" : "text not kept");
    CalcSettings settings;
    settings.keepContent = keepContent;
    settings.closeAction = 2;
    Log expected = SaveOnCloseWrites(font, 1234, settings);
    if (keepContent) expected.push_back("SaveContentBackup");
    expected.push_back("RemoveTrayIcon");

    Log log;
    RecordingStore store(log, "");
    RecordingWindow window(log);
    window.font = font;
    window.caret = 1234;
    ShutdownSequence shutdown(store, m_paths, window, settings);
    shutdown.Arm();
    EXPECT_TRUE(shutdown.Run());
    EXPECT_EQ(log, expected);
  }
}

TEST_F(ShutdownSequenceTest, RunsOnceAndOnlyAfterStartUp) {
  const struct {
    const char* name;
    std::vector<const char*> calls;  // "arm" or "run"
    std::vector<bool> ran;           // the result of each run
    std::int64_t runCount;
  } rows[] = {
      {"second instance: never armed", {"run"}, {false}, 1},
      {"destruction after session end", {"arm", "run", "run"}, {true, false}, 2},
      {"signal, session end and destruction",
       {"arm", "run", "run", "run"},
       {true, false, false},
       2},
      {"armed again after the run", {"arm", "run", "arm", "run"}, {true, false}, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Log log;
    RecordingStore store(log, "");
    RecordingWindow window(log);
    CalcSettings settings;
    ShutdownSequence shutdown(store, m_paths, window, settings);
    std::vector<bool> ran;
    for (const std::string call : row.calls) {
      if (call == "arm") {
        shutdown.Arm();
      } else {
        ran.push_back(shutdown.Run());
      }
    }
    EXPECT_EQ(ran, row.ran);
    EXPECT_EQ(settings.runCount, row.runCount);
    EXPECT_EQ(std::count(log.begin(), log.end(), "RemoveTrayIcon"), row.runCount - 1);
    EXPECT_EQ(log.empty(), row.runCount == 1);
  }
}

// A logout saves everything at once and leaves the program running; cancelled, the program
// goes on, and its real end writes everything again with the same run counter.
TEST_F(ShutdownSequenceTest, SessionEndSavesWithoutEndingAndTheRealEndStillWrites) {
  Log log;
  RecordingStore store(log, "[运行设置]\n运行次数=5\n");
  RecordingWindow window(log);
  CalcSettings settings;
  settings.runCount = 5;
  settings.keepContent = true;
  ShutdownSequence shutdown(store, m_paths, window, settings);
  EXPECT_FALSE(shutdown.SaveForSessionEnd());  // before start-up completed: nothing
  shutdown.Arm();
  ASSERT_TRUE(shutdown.SaveForSessionEnd());
  EXPECT_EQ(store.Read("运行设置", "运行次数"), "6");
  EXPECT_EQ(std::count(log.begin(), log.end(), "SaveContentBackup"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "RemoveTrayIcon"), 0);

  settings.closeAction = 2;  // changed after the cancelled logout
  ASSERT_TRUE(shutdown.Run());
  EXPECT_EQ(store.Read("运行设置", "运行次数"), "6");
  EXPECT_EQ(store.Read("运行设置", "退出设置"), "2");
  EXPECT_EQ(std::count(log.begin(), log.end(), "SaveContentBackup"), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "RemoveTrayIcon"), 1);
}

TEST_F(ShutdownSequenceTest, WithoutRememberWindowTheOldBoundsStayButTheStateIsWritten) {
  Log log;
  RecordingStore store(log,
                       "[运行设置]\n窗口状态=0\n运行次数=5\n[启动窗口位置]\n_启动窗口.左边=10\n"
                       "_启动窗口.顶边=20\n_启动窗口.宽度=700\n_启动窗口.高度=500\n");
  RecordingWindow window(log);
  CalcSettings settings;
  settings.rememberWindow = false;
  settings.windowLeft = 300;
  settings.windowTop = 200;
  settings.windowWidth = 900;
  settings.windowHeight = 650;
  settings.windowState = 3;
  settings.runCount = 5;
  ShutdownSequence shutdown(store, m_paths, window, settings);
  shutdown.Arm();
  ASSERT_TRUE(shutdown.Run());

  EXPECT_EQ(store.Read("启动窗口位置", "_启动窗口.左边"), "10");
  EXPECT_EQ(store.Read("启动窗口位置", "_启动窗口.顶边"), "20");
  EXPECT_EQ(store.Read("启动窗口位置", "_启动窗口.宽度"), "700");
  EXPECT_EQ(store.Read("启动窗口位置", "_启动窗口.高度"), "500");
  EXPECT_EQ(store.Read("运行设置", "窗口状态"), "3");
  EXPECT_EQ(store.Read("运行设置", "运行次数"), "6");
}

}  // namespace
}  // namespace tabulex
