#include "session/startup_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/gbk_text.h"
#include "settings/ini_document.h"
#include "settings/settings_loader.h"
#include "support/null_main_window.h"

namespace tabulex {
namespace {

using Log = std::vector<std::string>;

std::string Text(bool value) {
  return value ? "true" : "false";
}

std::string Text(const WindowBounds& b) {
  return std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.width) +
         "," + std::to_string(b.height);
}

// An in-memory configuration file (given in UTF-8) that logs each read as
// "read section/key" (UTF-8) into the shared log.
class RecordingStore final : public SettingsStore {
 public:
  RecordingStore(Log& log, std::string_view utf8Text)
      : m_log{log}, m_document{Utf8ToGbk(utf8Text)} {}

  std::string ReadKey(std::string_view section, std::string_view key,
                      std::string_view defaultText) const override {
    m_log.push_back("read " + GbkToUtf8(section) + "/" + GbkToUtf8(key));
    return m_document.ReadKey(section, key, defaultText);
  }
  bool WriteKey(std::string_view, std::string_view, std::string_view) override {
    ADD_FAILURE() << "start-up wrote to the configuration file";
    return false;
  }

 private:
  Log& m_log;
  IniDocument m_document;
};

// Logs every window action into the shared log; queries are not logged. Bounds() reports
// what was applied, possibly grown to a minimum height as a toolkit may do.
class RecordingWindow final : public NullMainWindow {
 public:
  explicit RecordingWindow(Log& log) : m_log{log} {}

  ScreenRect screen{0, 0, 1920, 1080};
  bool firstInstance{true};
  std::int32_t minimumHeight{0};

  void ApplyBounds(const WindowBounds& bounds) override {
    m_bounds = bounds;
    m_bounds.height = std::max(m_bounds.height, minimumHeight);
    Add("ApplyBounds " + Text(bounds));
  }
  WindowBounds Bounds() const override { return m_bounds; }
  void SetMaximised(bool maximised) override { Add("SetMaximised " + Text(maximised)); }
  ScreenRect PrimaryScreen() const override { return screen; }
  bool RunSingleInstanceStep() override {
    Add("RunSingleInstanceStep");
    return firstInstance;
  }
  void ApplySkin(std::int32_t skinNumber) override {
    Add("ApplySkin " + std::to_string(skinNumber));
  }
  void FocusEditor() override { Add("FocusEditor"); }
  void SetEditorBackgroundColor(std::int32_t color) override {
    Add("SetEditorBackgroundColor " + std::to_string(color));
  }
  void ApplyTransparency(std::int32_t skinSlider) override {
    Add("ApplySkinTransparency " + std::to_string(skinSlider));
  }
  void ApplyEffects(bool effects) override { Add("ApplySkinEffects " + Text(effects)); }
  void AddTrayIcon() override { Add("AddTrayIcon"); }
  void ApplyEditorFont(const EditorProperties& f) override {
    Add("ApplyEditorFont " + Text(f.fontBold) + "," + Text(f.fontItalic) + "," +
        Text(f.fontStrikeOut) + "," + Text(f.fontUnderline) + "," + GbkToUtf8(f.fontName) + "," +
        std::to_string(f.fontColor) + "," + std::to_string(f.fontSize));
  }
  void SetWordWrap(bool wordWrap) override { Add("SetWordWrap " + Text(wordWrap)); }
  void RegisterShowHideHotkey(std::int32_t modifierCode, std::int32_t keyCode) override {
    Add("RegisterShowHideHotkey " + std::to_string(modifierCode) + "," + std::to_string(keyCode));
  }
  void UnregisterShowHideHotkey() override { Add("UnregisterShowHideHotkey"); }
  void InstallSessionEndWatch() override { Add("InstallSessionEndWatch"); }
  void InstallEditorKeyUpHook() override { Add("InstallEditorKeyUpHook"); }
  void RegisterDropTarget() override { Add("RegisterDropTarget"); }
  void SetAlwaysOnTop(bool alwaysOnTop) override { Add("SetAlwaysOnTop " + Text(alwaysOnTop)); }
  void RestoreContentBackup() override { Add("RestoreContentBackup"); }
  void RecordInitialUndoSnapshot() override { Add("RecordInitialUndoSnapshot"); }
  void ShowCaretPosition() override { Add("ShowCaretPosition"); }
  void SetEdgeTimerInterval(std::int32_t milliseconds) override {
    Add("SetEdgeTimerInterval " + std::to_string(milliseconds));
  }
  void ShowStatus(std::string_view gbkText) override {
    Add("ShowStatus \"" + GbkToUtf8(gbkText) + "\"");
  }
  void PullBackOnScreen() override { Add("PullBackOnScreen"); }
  void SetEdgeGraceTicks(std::int32_t ticks) override {
    Add("SetEdgeGraceTicks " + std::to_string(ticks));
  }

 private:
  void Add(std::string entry) { m_log.push_back(std::move(entry)); }

  Log& m_log;
  WindowBounds m_bounds{};
};

// The reads a loader makes, as the store logs them: the loader's own order is its test's
// business; here it matters where in the sequence they happen.
Log ReadsOf(const std::function<void(const SettingsStore&)>& load) {
  Log log;
  RecordingStore store(log, "");
  load(store);
  return log;
}

Log Concat(std::initializer_list<Log> parts) {
  Log all;
  for (const Log& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Log ActionsOnly(const Log& log) {
  Log actions;
  for (const std::string& entry : log)
    if (entry.rfind("read ", 0) != 0) actions.push_back(entry);
  return actions;
}

struct StartRun {
  Log log;
  CalcSettings settings;
  StartupOutcome outcome{};
};

StartRun Start(std::string_view utf8Config,
               const std::function<void(RecordingWindow&)>& setUp = {}) {
  StartRun run;
  RecordingStore store(run.log, utf8Config);
  RecordingWindow window(run.log);
  if (setUp) setUp(window);
  run.outcome = RunStartupSequence(store, window, run.settings);
  return run;
}

// A configuration with the window's bounds and state, and 允许多开 so that no
// single-instance step comes between.
std::string WindowConfig(const WindowBounds& b, int windowState) {
  return "[运行设置]\n窗口状态=" + std::to_string(windowState) + "\n[其他设置]\n允许多开=真\n" +
         "[启动窗口位置]\n_启动窗口.左边=" + std::to_string(b.left) +
         "\n_启动窗口.顶边=" + std::to_string(b.top) +
         "\n_启动窗口.宽度=" + std::to_string(b.width) +
         "\n_启动窗口.高度=" + std::to_string(b.height) + "\n";
}

WindowBounds Remembered(const CalcSettings& s) {
  return WindowBounds{s.windowLeft, s.windowTop, s.windowWidth, s.windowHeight};
}

TEST(StartupSequence, FirstRunReadsAndActsInDocumentedOrder) {
  const StartRun run = Start("");
  const Log expected = Concat({
      {"read 运行设置/窗口状态",
       "read 启动窗口位置/_启动窗口.宽度",
       "read 启动窗口位置/_启动窗口.高度",
       "read 启动窗口位置/_启动窗口.左边",
       "read 启动窗口位置/_启动窗口.顶边",
       "ApplyBounds 0,0,0,0",
       "SetMaximised false",
       "ApplyBounds 480,270,960,540",
       "SetMaximised false",
       "read 其他设置/允许多开",
       "RunSingleInstanceStep",
       "read 运行设置/软件皮肤",
       "ApplySkin 8",
       "FocusEditor",
       "read 运行设置/背景颜色",
       "SetEditorBackgroundColor 16777215",
       "read 运行设置/皮肤滑块条",
       "read 运行设置/加载特效",
       "ApplySkin 8",
       "ApplySkinTransparency 100",
       "ApplySkinEffects false",
       "AddTrayIcon"},
      ReadsOf([](const SettingsStore& store) { LoadEditorProperties(store); }),
      {"ApplyEditorFont false,false,false,false,Times New Roman,0,14"},
      ReadsOf([](const SettingsStore& store) {
        CalcSettings settings;
        LoadRunSettings(store, settings);
      }),
      {"SetWordWrap false", "UnregisterShowHideHotkey", "InstallSessionEndWatch",
       "InstallEditorKeyUpHook", "RegisterDropTarget", "SetAlwaysOnTop false",
       "RestoreContentBackup", "RecordInitialUndoSnapshot", "ShowCaretPosition",
       "SetEdgeTimerInterval 0", "ShowStatus \" [提示]_初始化完毕，请输入表达式!\"",
       "PullBackOnScreen", "SetEdgeGraceTicks 25"},
  });
  EXPECT_EQ(run.log, expected);
  EXPECT_EQ(run.outcome, StartupOutcome::Started);
  // Step 21: shutdown writes these unless the user moves or resizes the window.
  EXPECT_EQ(Text(Remembered(run.settings)), "480,270,960,540");
}

TEST(StartupSequence, StoredSettingsReachTheWindow) {
  const StartRun run = Start(
      "[运行设置]\n窗口状态=0\n软件皮肤=12\n背景颜色=255\n皮肤滑块条=60\n加载特效=真\n"
      "边缘隐藏=真\n"
      "[其他设置]\n允许多开=真\n窗口前置=真\n自动折回=真\n"
      "[热键设置]\n热键状态=真\n辅助功能快捷键=3\n辅助快捷键=117\n"
      "[字体设置]\n字体加粗=真\n字体下划线=真\n字体名称=楷体\n字体颜色=65280\n字体大小=20\n"
      "[启动窗口位置]\n_启动窗口.左边=100\n_启动窗口.顶边=120\n_启动窗口.宽度=800\n"
      "_启动窗口.高度=600\n");
  const Log expected = {
      "ApplyBounds 100,120,800,600",
      "SetMaximised false",
      // 允许多开: no single-instance step.
      "ApplySkin 12",
      "FocusEditor",
      "SetEditorBackgroundColor 255",
      "ApplySkin 12",
      "ApplySkinTransparency 60",
      "ApplySkinEffects true",
      "AddTrayIcon",
      "ApplyEditorFont true,false,false,true,楷体,65280,20",
      "SetWordWrap true",
      "RegisterShowHideHotkey 3,117",
      "InstallSessionEndWatch",
      "InstallEditorKeyUpHook",
      "RegisterDropTarget",
      "SetAlwaysOnTop true",
      "RestoreContentBackup",
      "RecordInitialUndoSnapshot",
      "ShowCaretPosition",
      "SetEdgeTimerInterval 100",
      "ShowStatus \" [提示]_初始化完毕，请输入表达式!\"",
      "PullBackOnScreen",
      "SetEdgeGraceTicks 25",
  };
  EXPECT_EQ(ActionsOnly(run.log), expected);
  EXPECT_EQ(run.outcome, StartupOutcome::Started);
}

TEST(StartupSequence, PlacementCheckFollowsTheStoredBoundsAndState) {
  const Log centred = {"ApplyBounds 480,270,960,540", "SetMaximised false"};
  const struct {
    const char* name;
    WindowBounds stored;
    int windowState;
    Log actions;  // the window actions of steps 2 to 4
    WindowBounds remembered;
  } rows[] = {
      {"valid bounds",
       {100, 120, 800, 600},
       0,
       {"ApplyBounds 100,120,800,600", "SetMaximised false"},
       {100, 120, 800, 600}},
      {"state 3: maximised after the bounds",
       {100, 120, 800, 600},
       3,
       {"ApplyBounds 100,120,800,600", "SetMaximised true"},
       {100, 120, 800, 600}},
      {"state 2 comes up normal",
       {100, 120, 800, 600},
       2,
       {"ApplyBounds 100,120,800,600", "SetMaximised false"},
       {100, 120, 800, 600}},
      {"top 0 width 300",
       {100, 0, 300, 600},
       0,
       Concat({{"ApplyBounds 100,0,300,600", "SetMaximised false"}, centred}),
       {480, 270, 960, 540}},
      {"height 79",
       {100, 120, 800, 79},
       0,
       Concat({{"ApplyBounds 100,120,800,79", "SetMaximised false"}, centred}),
       {480, 270, 960, 540}},
      {"height 80",
       {100, 120, 800, 80},
       0,
       {"ApplyBounds 100,120,800,80", "SetMaximised false"},
       {100, 120, 800, 80}},
      {"state 3 off screen: centred, not maximised",
       {5000, 120, 800, 600},
       3,
       Concat({{"ApplyBounds 5000,120,800,600", "SetMaximised true"}, centred}),
       {480, 270, 960, 540}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const StartRun run = Start(WindowConfig(row.stored, row.windowState));
    const Log actions = ActionsOnly(run.log);
    const auto skin = std::find(actions.begin(), actions.end(), "ApplySkin 8");
    EXPECT_EQ(Log(actions.begin(), skin), row.actions);
    EXPECT_EQ(Text(Remembered(run.settings)), Text(row.remembered));
    // The state is TrackBounds' to record once the window is shown.
    EXPECT_EQ(run.settings.windowState, row.windowState);
  }
}

TEST(StartupSequence, ChecksTheStoredHeightButRemembersTheWindowsOwn) {
  // A toolkit that grows a window to its minimum size must neither hide a height of 79 from
  // the check nor have its own size forgotten.
  const auto growing = [](RecordingWindow& window) { window.minimumHeight = 120; };
  const StartRun tooLow = Start(WindowConfig({100, 120, 800, 79}, 0), growing);
  EXPECT_EQ(Text(Remembered(tooLow.settings)), "480,270,960,540");

  const StartRun grown = Start(WindowConfig({100, 120, 800, 90}, 0), growing);
  EXPECT_EQ(Text(Remembered(grown.settings)), "100,120,800,120");
}

TEST(StartupSequence, ASecondInstanceStopsAfterTheSingleInstanceStep) {
  const StartRun run = Start("", [](RecordingWindow& window) { window.firstInstance = false; });
  EXPECT_EQ(run.outcome, StartupOutcome::SecondInstance);
  ASSERT_FALSE(run.log.empty());
  EXPECT_EQ(run.log.back(), "RunSingleInstanceStep");
  EXPECT_EQ(run.log[run.log.size() - 2], "read 其他设置/允许多开");
}

}  // namespace
}  // namespace tabulex
