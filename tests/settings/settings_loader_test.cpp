#include "settings/settings_loader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "engine/gbk_text.h"
#include "settings/ini_document.h"
#include "settings/setting_keys.h"

namespace tabulex {
namespace {

// An in-memory configuration file (given in UTF-8) that logs every read as
// "section/key|default" in UTF-8.
class RecordingStore final : public SettingsStore {
 public:
  explicit RecordingStore(std::string_view utf8Text = {}) : m_document(Utf8ToGbk(utf8Text)) {}

  std::string ReadKey(std::string_view section, std::string_view key,
                      std::string_view defaultText) const override {
    reads.push_back(GbkToUtf8(section) + "/" + GbkToUtf8(key) + "|" + GbkToUtf8(defaultText));
    return m_document.ReadKey(section, key, defaultText);
  }
  bool WriteKey(std::string_view, std::string_view, std::string_view) override {
    ADD_FAILURE() << "loading wrote to the configuration file";
    return false;
  }

  mutable std::vector<std::string> reads;

 private:
  IniDocument m_document;
};

std::optional<std::int64_t> FieldValue(const CalcSettings& settings, const SettingField& field) {
  return std::visit(
      [&](auto member) -> std::optional<std::int64_t> {
        if constexpr (std::is_same_v<decltype(member), std::monostate>) {
          return std::nullopt;
        } else {
          return static_cast<std::int64_t>(settings.*member);
        }
      },
      field);
}

using Step = std::function<void(const SettingsStore&, CalcSettings&)>;

const struct {
  const char* name;
  Step run;
  std::vector<std::string> reads;
} kSteps[] = {
    {"1 window state", LoadWindowState, {"运行设置/窗口状态|0"}},
    {"2 bounds",
     LoadWindowBounds,
     {"启动窗口位置/_启动窗口.宽度|0", "启动窗口位置/_启动窗口.高度|0",
      "启动窗口位置/_启动窗口.左边|0", "启动窗口位置/_启动窗口.顶边|0"}},
    {"5 multiple instances", LoadAllowMultipleInstances, {"其他设置/允许多开|假"}},
    {"6 skin", LoadSkinNumber, {"运行设置/软件皮肤|8"}},
    {"7 background", LoadBackgroundColor, {"运行设置/背景颜色|16777215"}},
    {"8 slider and effects",
     LoadSkinSliderAndEffects,
     {"运行设置/皮肤滑块条|100", "运行设置/加载特效|假"}},
    {"11 font",
     [](const SettingsStore& store, CalcSettings&) { LoadEditorProperties(store); },
     {"字体设置/字体加粗|", "字体设置/字体倾斜|", "字体设置/字体删除线|", "字体设置/字体下划线|",
      "字体设置/字体名称|Times New Roman", "字体设置/字体颜色|0", "字体设置/字体大小|14"}},
    {"12 settings",
     [](const SettingsStore& store, CalcSettings& settings) { LoadRunSettings(store, settings); },
     {"运行设置/退出设置|0",       "运行设置/撤销设置|50",       "运行设置/运行次数|1",
      "运行设置/运算精度设置|13",  "运行设置/四舍五入|",         "运行设置/笔记本用户|",
      "运行设置/换行粘贴结果|",    "其他设置/窗口前置|",         "其他设置/结果到粘贴板|",
      "其他设置/运算换行变量|",    "其他设置/角度制选中|1",      "其他设置/回车换行|假",
      "其他设置/记住窗口|真",      "其他设置/逗号千分割|0",      "其他设置/退出保存|假",
      "运行设置/空格分式|假",      "运行设置/小数类型|真",       "运行设置/边缘隐藏|假",
      "其他设置/分数类型|0",       "热键设置/热键状态|",         "热键设置/辅助功能快捷键|0",
      "热键设置/辅助快捷键|112",   "其他设置/成对括号|",         "其他设置/自动折回|假",
      "其他设置/自动替换|假",      "其他设置/按esc退出 |假",     "热键设置/全屏快捷键|假",
      "热键设置/全屏功能快捷键|0", "热键设置/全屏辅助快捷键|112"}},
};

TEST(SettingsLoader, EachStartUpStepReadsItsKeysInOrder) {
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.name);
    RecordingStore store;
    CalcSettings settings;
    step.run(store, settings);
    EXPECT_EQ(store.reads, step.reads);
  }
}

TEST(SettingsLoader, LoadSettingsRunsTheStepsInStartUpOrder) {
  std::vector<std::string> expected;
  for (const auto& step : kSteps)
    expected.insert(expected.end(), step.reads.begin(), step.reads.end());
  RecordingStore store;
  CalcSettings settings;
  LoadSettings(store, settings);
  EXPECT_EQ(store.reads, expected);
}

TEST(SettingsLoader, OtherReadsTakeTheirKeysInOrder) {
  const struct {
    const char* name;
    std::function<void(const SettingsStore&)> run;
    std::vector<std::string> reads;
  } rows[] = {
      {"caret", LoadCaretOffset, {"运行设置/起始选择位置|0"}},
      {"word wrap", LoadWordWrap, {"其他设置/自动折回|假"}},
      {"window code", LoadWindowCode, {"运行设置/窗口代号|"}},
      {"position dialog",
       LoadWindowPositionTexts,
       {"启动窗口位置/_启动窗口.左边|0", "启动窗口位置/_启动窗口.顶边|0",
        "启动窗口位置/_启动窗口.宽度|0", "启动窗口位置/_启动窗口.高度|0"}},
      {"keypad",
       LoadKeypadSettings,
       {"键盘窗口设置/键盘宽度|540", "键盘窗口设置/键盘高度|265", "键盘窗口设置/键盘左边|265",
        "键盘窗口设置/键盘顶边|265", "键盘窗口设置/键盘模式|真"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingStore store;
    row.run(store);
    EXPECT_EQ(store.reads, row.reads);
  }
}

TEST(SettingsLoader, AnEmptyFileGivesEveryDefault) {
  // Start from values no default has, so that every field must be assigned.
  CalcSettings settings;
  for (const SettingKey& key : AllSettingKeys()) {
    std::visit(
        [&](auto member) {
          if constexpr (std::is_same_v<decltype(member), bool CalcSettings::*>) {
            settings.*member = !(CalcSettings{}.*member);
          } else if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
            settings.*member = 7777;
          }
        },
        key.field);
  }

  const LoadedSettings loaded = LoadSettings(RecordingStore(), settings);

  const CalcSettings defaults;
  for (const SettingKey& key : AllSettingKeys()) {
    SCOPED_TRACE(GbkToUtf8(key.key));
    EXPECT_EQ(FieldValue(settings, key.field), FieldValue(defaults, key.field));
  }
  EXPECT_EQ(loaded.editor.fontName, "Times New Roman");
  EXPECT_EQ(loaded.editor.fontSize, 14);
  EXPECT_EQ(loaded.editor.fontColor, 0);
  EXPECT_FALSE(loaded.editor.fontBold || loaded.editor.fontItalic || loaded.editor.fontStrikeOut ||
               loaded.editor.fontUnderline);
  EXPECT_FALSE(loaded.wordWrap);
}

TEST(SettingsLoader, StoredTextsLoadAsDocumented) {
  const struct {
    const char* file;
    SettingId id;
    std::int64_t value;
  } rows[] = {
      {"[运行设置]\r\n撤销设置=0", SettingId::UndoLimit, 50},
      {"[运行设置]\r\n撤销设置=-5", SettingId::UndoLimit, 50},
      {"[运行设置]\r\n撤销设置=abc", SettingId::UndoLimit, 50},
      {"[运行设置]\r\n撤销设置=0.9", SettingId::UndoLimit, 50},
      {"[运行设置]\r\n撤销设置=", SettingId::UndoLimit, 50},
      {"[运行设置]\r\n撤销设置=1", SettingId::UndoLimit, 1},
      {"[运行设置]\r\n撤销设置=600", SettingId::UndoLimit, 600},
      {"[其他设置]\r\n窗口前置=true", SettingId::AlwaysOnTop, 0},
      {"[其他设置]\r\n窗口前置=1", SettingId::AlwaysOnTop, 0},
      {"[其他设置]\r\n窗口前置=真", SettingId::AlwaysOnTop, 1},
      {"[运行设置]\r\n运算精度设置=13.9", SettingId::PrecisionDigits, 13},
      {"[运行设置]\r\n运算精度设置=-2.5", SettingId::PrecisionDigits, -2},
      {"[其他设置]\r\n按esc退出=真", SettingId::AutoInsertLastResult, 0},
      {"[其他设置]\r\n按esc退出 =真", SettingId::AutoInsertLastResult, 1},
      {"[运行设置]\r\n小数类型=", SettingId::DecimalRounding, 0},  // present, so no default
      {"[运行设置]\r\n四舍五入=真", SettingId::RoundHalfUpFlag, 1},
      {"[运行设置]\r\n运行次数=9000000000", SettingId::RunCount, 9000000000},
      {"[运行设置]\r\n窗口状态=3", SettingId::WindowState, 3},
      {"[启动窗口位置]\r\n_启动窗口.高度=79", SettingId::WindowHeight, 79},
      {"[其他设置]\r\n角度制选中=2", SettingId::AngleUnit, 2},
      {"[热键设置]\r\n全屏功能快捷键=4", SettingId::FullScreenKeyModifier, 4},
      {"[运行设置]\r\n背景颜色=255", SettingId::BackgroundColor, 255},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file);
    CalcSettings settings;
    LoadSettings(RecordingStore(row.file), settings);
    EXPECT_EQ(FieldValue(settings, SettingKeyFor(row.id).field), row.value);
  }
}

TEST(SettingsLoader, EditorPropertiesAndWordWrapComeFromTheFile) {
  const RecordingStore store(
      "[字体设置]\r\n字体加粗=真\r\n字体倾斜=假\r\n字体删除线=真\r\n字体下划线=真\r\n"
      "字体名称=楷体\r\n字体颜色=255\r\n字体大小=20\r\n"
      "[其他设置]\r\n自动折回=真\r\n");
  CalcSettings settings;
  const LoadedSettings loaded = LoadSettings(store, settings);
  EXPECT_TRUE(loaded.editor.fontBold);
  EXPECT_FALSE(loaded.editor.fontItalic);
  EXPECT_TRUE(loaded.editor.fontStrikeOut);
  EXPECT_TRUE(loaded.editor.fontUnderline);
  EXPECT_EQ(loaded.editor.fontName, Utf8ToGbk("楷体"));
  EXPECT_EQ(loaded.editor.fontColor, 255);
  EXPECT_EQ(loaded.editor.fontSize, 20);
  EXPECT_TRUE(loaded.wordWrap);
  EXPECT_TRUE(LoadWordWrap(store));
}

TEST(SettingsLoader, ReadsOutsideStartUpGiveStoredValuesOrDefaults) {
  const RecordingStore empty;
  EXPECT_EQ(LoadCaretOffset(empty), 0);
  EXPECT_EQ(LoadWindowCode(empty), 0);
  const WindowPositionTexts noTexts = LoadWindowPositionTexts(empty);
  EXPECT_EQ(noTexts.left + noTexts.top + noTexts.width + noTexts.height, "0000");
  const KeypadSettings keypad = LoadKeypadSettings(empty);
  EXPECT_EQ(keypad.width, 540);
  EXPECT_EQ(keypad.height, 265);
  EXPECT_EQ(keypad.left, 265);
  EXPECT_EQ(keypad.top, 265);
  EXPECT_TRUE(keypad.scientific);

  const RecordingStore stored(
      "[运行设置]\r\n起始选择位置=17\r\n窗口代号=12345\r\n"
      "[启动窗口位置]\r\n_启动窗口.左边=1e2\r\n_启动窗口.顶边=abc\r\n"
      "_启动窗口.宽度=-20\r\n_启动窗口.高度=400\r\n"
      "[键盘窗口设置]\r\n键盘宽度=1080\r\n键盘模式=假\r\n");
  EXPECT_EQ(LoadCaretOffset(stored), 17);
  EXPECT_EQ(LoadWindowCode(stored), 12345);
  const WindowPositionTexts texts = LoadWindowPositionTexts(stored);
  EXPECT_EQ(texts.left, "1e2");  // the dialog shows the texts as stored
  EXPECT_EQ(texts.top, "abc");
  EXPECT_EQ(texts.width, "-20");
  EXPECT_EQ(texts.height, "400");
  EXPECT_EQ(LoadKeypadSettings(stored).width, 1080);
  EXPECT_FALSE(LoadKeypadSettings(stored).scientific);
}

}  // namespace
}  // namespace tabulex
