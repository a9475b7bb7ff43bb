#include "settings/settings_writer.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "engine/gbk_text.h"
#include "settings/config_file.h"
#include "settings/setting_keys.h"
#include "settings/settings_loader.h"
#include "support/temp_directory.h"

namespace tabulex {
namespace {

namespace fs = std::filesystem;

// Logs every write as "section/key=value" in UTF-8 and passes it on to an optional real
// store. With failAll, every write fails.
class RecordingStore final : public SettingsStore {
 public:
  RecordingStore() = default;
  explicit RecordingStore(SettingsStore& target) : m_target{&target} {}

  std::string ReadKey(std::string_view section, std::string_view key,
                      std::string_view defaultText) const override {
    return m_target ? m_target->ReadKey(section, key, defaultText) : std::string(defaultText);
  }
  bool WriteKey(std::string_view section, std::string_view key, std::string_view value) override {
    writes.push_back(GbkToUtf8(section) + "/" + GbkToUtf8(key) + "=" + GbkToUtf8(value));
    if (failAll) return false;
    return m_target ? m_target->WriteKey(section, key, value) : true;
  }

  std::vector<std::string> writes;
  bool failAll{false};

 private:
  SettingsStore* m_target{nullptr};
};

// Every field set away from its default, so that each write shows its own value.
CalcSettings ChangedSettings() {
  CalcSettings s;
  s.windowState = 3;
  s.windowWidth = 800;
  s.windowHeight = 400;
  s.windowLeft = 150;
  s.windowTop = 160;
  s.skinNumber = 9;
  s.backgroundColor = 255;
  s.skinSlider = 40;
  s.skinEffects = true;
  s.closeAction = 2;
  s.undoLimit = 70;
  s.runCount = 41;
  s.precisionDigits = -3;
  s.roundHalfUpFlag = true;
  s.laptopMode = true;
  s.newLinePasteResult = true;
  s.spaceSeparates = true;
  s.decimalRounding = false;
  s.edgeHiding = true;
  s.allowMultipleInstances = true;
  s.alwaysOnTop = true;
  s.resultToClipboard = true;
  s.newLineAfterCalc = true;
  s.angleUnit = 2;
  s.enterInsertsNewLine = true;
  s.rememberWindow = true;
  s.thousandsSeparator = 1;
  s.keepContent = true;
  s.fractionDisplay = 2;
  s.quickInput = true;
  s.autoReplace = true;
  s.autoInsertLastResult = true;
  s.hotkeyEnabled = true;
  s.hotkeyModifier = 1;
  s.hotkeyKey = 117;
  s.fullScreenKeyEnabled = true;
  s.fullScreenKeyModifier = 4;
  s.fullScreenKeyCode = 122;
  return s;
}

EditorProperties ChangedEditor() {
  EditorProperties editor;
  editor.fontBold = true;
  editor.fontUnderline = true;
  editor.fontName = Utf8ToGbk("楷体");
  editor.fontColor = 65280;
  editor.fontSize = 20;
  return editor;
}

const std::vector<std::string> kShutdownFontWrites = {
    "字体设置/字体加粗=真",   "字体设置/字体倾斜=假",   "字体设置/字体删除线=假",
    "字体设置/字体下划线=真", "字体设置/字体名称=楷体", "字体设置/字体颜色=65280",
    "字体设置/字体大小=20",
};

class SettingsWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { m_paths = RunFilesPathsIn(m_root / "Tabulo运行文件"); }

  TempDirectory m_temp;
  const fs::path m_root{m_temp.Path()};
  RunFilesPaths m_paths;
};

TEST(SettingsWriter, EachDialogWritesItsKeysInItsOrder) {
  const CalcSettings settings = ChangedSettings();
  const struct {
    const char* name;
    std::function<void(SettingsStore&)> write;
    std::vector<std::string> writes;
  } rows[] = {
      {"settings window",
       [&](SettingsStore& store) { WriteSettingsWindow(store, settings, true); },
       {"其他设置/自动替换=真",     "其他设置/自动折回=真",      "其他设置/成对括号=真",
        "其他设置/分数类型=2",      "运行设置/边缘隐藏=真",      "运行设置/小数类型=假",
        "热键设置/热键状态=真",     "热键设置/辅助功能快捷键=1", "热键设置/辅助快捷键=117",
        "热键设置/全屏快捷键=真",   "热键设置/全屏功能快捷键=4", "热键设置/全屏辅助快捷键=122",
        "运行设置/运算精度设置=-3", "其他设置/角度制选中=2",     "运行设置/空格分式=真",
        "运行设置/笔记本用户=真",   "运行设置/换行粘贴结果=真",  "其他设置/窗口前置=真",
        "其他设置/结果到粘贴板=真", "其他设置/运算换行变量=真",  "其他设置/逗号千分割=1",
        "其他设置/回车换行=真",     "其他设置/记住窗口=真",      "其他设置/允许多开=真",
        "其他设置/退出保存=真",     "其他设置/按esc退出 =真"}},
      {"appearance",
       [&](SettingsStore& store) { WriteAppearance(store, settings); },
       {"运行设置/背景颜色=255", "运行设置/软件皮肤=9", "运行设置/皮肤滑块条=40",
        "运行设置/加载特效=真"}},
      {"undo window",
       [&](SettingsStore& store) { WriteUndoLimit(store, settings); },
       {"运行设置/撤销设置=70"}},
      {"window position dialog",
       [](SettingsStore& store) {
         WriteWindowPosition(store, {" 100", "1e2", "abc", "400"});
       },
       {"启动窗口位置/_启动窗口.左边= 100", "启动窗口位置/_启动窗口.顶边=1e2",
        "启动窗口位置/_启动窗口.宽度=abc", "启动窗口位置/_启动窗口.高度=400"}},
      {"keypad closing",
       [](SettingsStore& store) {
         WriteKeypadSettings(store, {1080, 530, -5, 20, false});
       },
       {"键盘窗口设置/键盘宽度=1080", "键盘窗口设置/键盘高度=530", "键盘窗口设置/键盘左边=-5",
        "键盘窗口设置/键盘顶边=20", "键盘窗口设置/键盘模式=假"}},
      {"single instance",
       [](SettingsStore& store) { WriteWindowCode(store, 4194311); },
       {"运行设置/窗口代号=4194311"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingStore store;
    row.write(store);
    EXPECT_EQ(store.writes, row.writes);

    // A failed write stops none of the others.
    RecordingStore failing;
    failing.failAll = true;
    row.write(failing);
    EXPECT_EQ(failing.writes, row.writes);
  }
}

TEST_F(SettingsWriterTest, ShutdownWritesItsKeysInOrderAndCountsTheRun) {
  const struct {
    const char* name;
    bool rememberWindow;
    std::vector<std::string> bounds;
  } rows[] = {
      {"remembering the window",
       true,
       {"启动窗口位置/_启动窗口.左边=150", "启动窗口位置/_启动窗口.顶边=160",
        "启动窗口位置/_启动窗口.宽度=800", "启动窗口位置/_启动窗口.高度=400"}},
      {"not remembering it", false, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CalcSettings settings = ChangedSettings();
    settings.rememberWindow = row.rememberWindow;
    std::vector<std::string> expected = kShutdownFontWrites;
    expected.insert(expected.end(), row.bounds.begin(), row.bounds.end());
    expected.insert(expected.end(),
                    {"运行设置/起始选择位置=1234", "运行设置/退出设置=2", "运行设置/撤销设置=70",
                     "运行设置/四舍五入=真", "运行设置/窗口状态=3", "运行设置/运行次数=42"});

    RecordingStore store;
    store.failAll = true;  // and no failure stops the writes after it
    SaveOnClose(store, m_paths, ChangedEditor(), 1234, settings);
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(settings.runCount, 42);
  }
}

TEST_F(SettingsWriterTest, TheRunCounterStopsAtItsMaximum) {
  CalcSettings settings;
  settings.runCount = std::numeric_limits<std::int64_t>::max();
  RecordingStore store;
  SaveOnClose(store, m_paths, EditorProperties{}, 0, settings);
  EXPECT_EQ(settings.runCount, std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(store.writes.back(), "运行设置/运行次数=9223372036854775807");
}

TEST_F(SettingsWriterTest, AFirstRunReadsDefaultsAndItsShutdownCreatesTheFile) {
  // As for an installed program: even the parents of the run-files directory are missing.
  m_paths = RunFilesPathsIn(m_root / "config" / "tabulex" / "Tabulo运行文件");
  ConfigFile config(m_paths.configFile);
  CalcSettings settings;
  LoadSettings(config, settings);
  EXPECT_EQ(settings.runCount, 1);
  EXPECT_FALSE(fs::exists(m_root / "config"));

  SaveOnClose(config, m_paths, EditorProperties{}, 0, settings);

  ASSERT_TRUE(config.Exists());
  EXPECT_EQ(config.ReadKey(Utf8ToGbk("运行设置"), Utf8ToGbk("运行次数"), ""), "2");
  // Only the shutdown keys are in the file.
  EXPECT_EQ(config.ReadKey(Utf8ToGbk("其他设置"), Utf8ToGbk("窗口前置"), "absent"), "absent");
  EXPECT_EQ(config.ReadKey(Utf8ToGbk("运行设置"), Utf8ToGbk("运算精度设置"), "absent"), "absent");
  EXPECT_EQ(std::distance(fs::directory_iterator(m_paths.directory), fs::directory_iterator()), 1);
}

TEST_F(SettingsWriterTest, UnusedRoundingFlagSurvivesARun) {
  fs::create_directories(m_paths.directory);
  ConfigFile config(m_paths.configFile);
  for (const bool flag : {true, false}) {
    SCOPED_TRACE(flag);
    ASSERT_TRUE(config.WriteKey(Utf8ToGbk("运行设置"), Utf8ToGbk("四舍五入"),
                                Utf8ToGbk(flag ? "真" : "假")));
    CalcSettings settings;
    LoadSettings(config, settings);
    SaveOnClose(config, m_paths, EditorProperties{}, 0, settings);
    CalcSettings next;
    LoadSettings(config, next);
    EXPECT_EQ(next.roundHalfUpFlag, flag);
  }
}

TEST_F(SettingsWriterTest, AfterAResetOnlyTheFollowingShutdownKeysSurvive) {
  fs::create_directories(m_paths.directory);
  ConfigFile config(m_paths.configFile);
  const CalcSettings changed = ChangedSettings();
  WriteSettingsWindow(config, changed, true);
  WriteAppearance(config, changed);
  std::ofstream(m_paths.backupFile) << "1+1=2";
  std::ofstream(m_paths.directory / "Tabulo备份文件.ini") << "x";
  std::ofstream(m_paths.lockFile) << '\0';

  DeleteSettingsFiles(m_paths);
  EXPECT_FALSE(config.Exists());
  EXPECT_FALSE(fs::exists(m_paths.backupFile));
  EXPECT_FALSE(fs::exists(m_paths.directory / "Tabulo备份文件.ini"));
  EXPECT_TRUE(fs::exists(m_paths.lockFile));

  // The reset leaves these in memory; the shutdown after it writes its own keys again.
  CalcSettings running = changed;
  running.undoLimit = 50;
  running.runCount = 1;
  SaveOnClose(config, m_paths, EditorProperties{}, 0, running);

  CalcSettings next;
  const LoadedSettings loaded = LoadSettings(config, next);
  EXPECT_FALSE(next.alwaysOnTop);
  EXPECT_FALSE(next.hotkeyEnabled);
  EXPECT_EQ(next.precisionDigits, 13);
  EXPECT_EQ(next.skinNumber, 8);
  EXPECT_FALSE(loaded.wordWrap);
  EXPECT_EQ(next.windowLeft, 150);  // shutdown keys
  EXPECT_EQ(next.closeAction, 2);
  EXPECT_EQ(next.runCount, 2);
}

TEST_F(SettingsWriterTest, WrittenSettingsLoadBackUnchanged) {
  fs::create_directories(m_paths.directory);
  ConfigFile config(m_paths.configFile);
  CalcSettings settings = ChangedSettings();
  WriteSettingsWindow(config, settings, true);
  WriteAppearance(config, settings);
  SaveOnClose(config, m_paths, ChangedEditor(), 1234, settings);

  CalcSettings loaded;
  const LoadedSettings editor = LoadSettings(config, loaded);
  CalcSettings expected = ChangedSettings();
  expected.runCount = 42;
  for (const SettingKey& key : AllSettingKeys()) {
    SCOPED_TRACE(GbkToUtf8(key.key));
    std::visit(
        [&](auto member) {
          if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
            EXPECT_EQ(loaded.*member, expected.*member);
          }
        },
        key.field);
  }
  EXPECT_EQ(editor.editor.fontName, Utf8ToGbk("楷体"));
  EXPECT_EQ(editor.editor.fontColor, 65280);
  EXPECT_TRUE(editor.editor.fontUnderline);
  EXPECT_TRUE(editor.wordWrap);
  EXPECT_EQ(LoadCaretOffset(config), 1234);
}

}  // namespace
}  // namespace tabulex
