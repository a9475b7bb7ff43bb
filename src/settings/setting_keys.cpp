#include "settings/setting_keys.h"

#include <cstddef>
#include <iterator>
#include <type_traits>

#include "engine/gbk_text.h"
#include "settings/setting_parsers.h"

namespace tabulex {
namespace {

struct Row {
  SettingId id;
  const char* section;  // UTF-8
  const char* key;      // UTF-8
  SettingKind kind;
  const char* defaultText;  // UTF-8, nullptr for none
  const char* fieldName;    // the CalcSettings field's name, nullptr for none
  SettingField field;
};

// A CalcSettings field: its name and its member.
#define FIELD(name) #name, &CalcSettings::name
#define NO_FIELD \
  nullptr, {}

constexpr const char* kRun = "运行设置";
constexpr const char* kOther = "其他设置";
constexpr const char* kHotkey = "热键设置";
constexpr const char* kFont = "字体设置";
constexpr const char* kWindow = "启动窗口位置";
constexpr const char* kKeypad = "键盘窗口设置";

using K = SettingKind;
using I = SettingId;

constexpr Row kRows[] = {
    {I::WindowState, kRun, "窗口状态", K::Int, "0", FIELD(windowState)},
    {I::WindowCode, kRun, "窗口代号", K::Int, nullptr, NO_FIELD},
    {I::SkinNumber, kRun, "软件皮肤", K::Int, "8", FIELD(skinNumber)},
    {I::BackgroundColor, kRun, "背景颜色", K::Int, "16777215", FIELD(backgroundColor)},
    {I::SkinSlider, kRun, "皮肤滑块条", K::Int, "100", FIELD(skinSlider)},
    {I::SkinEffects, kRun, "加载特效", K::Bool, "假", FIELD(skinEffects)},
    {I::CloseAction, kRun, "退出设置", K::Int, "0", FIELD(closeAction)},
    {I::UndoLimit, kRun, "撤销设置", K::Int, "50", FIELD(undoLimit)},
    {I::RunCount, kRun, "运行次数", K::Int64, "1", FIELD(runCount)},
    {I::PrecisionDigits, kRun, "运算精度设置", K::Int, "13", FIELD(precisionDigits)},
    {I::RoundHalfUpFlag, kRun, "四舍五入", K::Bool, nullptr, FIELD(roundHalfUpFlag)},
    {I::LaptopMode, kRun, "笔记本用户", K::Bool, nullptr, FIELD(laptopMode)},
    {I::NewLinePasteResult, kRun, "换行粘贴结果", K::Bool, nullptr, FIELD(newLinePasteResult)},
    {I::SpaceSeparates, kRun, "空格分式", K::Bool, "假", FIELD(spaceSeparates)},
    {I::DecimalRounding, kRun, "小数类型", K::Bool, "真", FIELD(decimalRounding)},
    {I::EdgeHiding, kRun, "边缘隐藏", K::Bool, "假", FIELD(edgeHiding)},
    {I::CaretOffset, kRun, "起始选择位置", K::Int, "0", NO_FIELD},
    {I::AllowMultipleInstances, kOther, "允许多开", K::Bool, "假", FIELD(allowMultipleInstances)},
    {I::AlwaysOnTop, kOther, "窗口前置", K::Bool, nullptr, FIELD(alwaysOnTop)},
    {I::ResultToClipboard, kOther, "结果到粘贴板", K::Bool, nullptr, FIELD(resultToClipboard)},
    {I::NewLineAfterCalc, kOther, "运算换行变量", K::Bool, nullptr, FIELD(newLineAfterCalc)},
    {I::AngleUnit, kOther, "角度制选中", K::Int, "1", FIELD(angleUnit)},
    {I::EnterInsertsNewLine, kOther, "回车换行", K::Bool, "假", FIELD(enterInsertsNewLine)},
    {I::RememberWindow, kOther, "记住窗口", K::Bool, "真", FIELD(rememberWindow)},
    {I::ThousandsSeparator, kOther, "逗号千分割", K::Int, "0", FIELD(thousandsSeparator)},
    {I::KeepContent, kOther, "退出保存", K::Bool, "假", FIELD(keepContent)},
    {I::FractionDisplay, kOther, "分数类型", K::Int, "0", FIELD(fractionDisplay)},
    {I::QuickInput, kOther, "成对括号", K::Bool, nullptr, FIELD(quickInput)},
    {I::WordWrap, kOther, "自动折回", K::Bool, "假", NO_FIELD},
    {I::AutoReplace, kOther, "自动替换", K::Bool, "假", FIELD(autoReplace)},
    // The trailing space belongs to the key name.
    {I::AutoInsertLastResult, kOther, "按esc退出 ", K::Bool, "假", FIELD(autoInsertLastResult)},
    {I::HotkeyEnabled, kHotkey, "热键状态", K::Bool, nullptr, FIELD(hotkeyEnabled)},
    {I::HotkeyModifier, kHotkey, "辅助功能快捷键", K::Int, "0", FIELD(hotkeyModifier)},
    {I::HotkeyKey, kHotkey, "辅助快捷键", K::Int, "112", FIELD(hotkeyKey)},
    {I::FullScreenKeyEnabled, kHotkey, "全屏快捷键", K::Bool, "假", FIELD(fullScreenKeyEnabled)},
    {I::FullScreenKeyModifier, kHotkey, "全屏功能快捷键", K::Int, "0",
     FIELD(fullScreenKeyModifier)},
    {I::FullScreenKeyCode, kHotkey, "全屏辅助快捷键", K::Int, "112", FIELD(fullScreenKeyCode)},
    {I::FontBold, kFont, "字体加粗", K::Bool, nullptr, NO_FIELD},
    {I::FontItalic, kFont, "字体倾斜", K::Bool, nullptr, NO_FIELD},
    {I::FontStrikeOut, kFont, "字体删除线", K::Bool, nullptr, NO_FIELD},
    {I::FontUnderline, kFont, "字体下划线", K::Bool, nullptr, NO_FIELD},
    {I::FontName, kFont, "字体名称", K::Text, "Times New Roman", NO_FIELD},
    {I::FontColor, kFont, "字体颜色", K::Int, "0", NO_FIELD},
    {I::FontSize, kFont, "字体大小", K::Int, "14", NO_FIELD},
    {I::WindowLeft, kWindow, "_启动窗口.左边", K::Int, "0", FIELD(windowLeft)},
    {I::WindowTop, kWindow, "_启动窗口.顶边", K::Int, "0", FIELD(windowTop)},
    {I::WindowWidth, kWindow, "_启动窗口.宽度", K::Int, "0", FIELD(windowWidth)},
    {I::WindowHeight, kWindow, "_启动窗口.高度", K::Int, "0", FIELD(windowHeight)},
    {I::KeypadWidth, kKeypad, "键盘宽度", K::Int, "540", NO_FIELD},
    {I::KeypadHeight, kKeypad, "键盘高度", K::Int, "265", NO_FIELD},
    {I::KeypadLeft, kKeypad, "键盘左边", K::Int, "265", NO_FIELD},
    {I::KeypadTop, kKeypad, "键盘顶边", K::Int, "265", NO_FIELD},
    {I::KeypadMode, kKeypad, "键盘模式", K::Bool, "真", NO_FIELD},
};

#undef FIELD
#undef NO_FIELD

constexpr bool RowsFollowIdOrder() {
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    if (static_cast<std::size_t>(kRows[i].id) != i) return false;
  }
  return true;
}
static_assert(RowsFollowIdOrder(), "SettingKeyFor indexes the table by id");

std::vector<SettingKey> BuildTable() {
  std::vector<SettingKey> table;
  for (const Row& row : kRows) {
    std::optional<std::string> defaultText;
    if (row.defaultText != nullptr) defaultText = Utf8ToGbk(row.defaultText);
    table.push_back(SettingKey{row.id, Utf8ToGbk(row.section), Utf8ToGbk(row.key), row.kind,
                               std::move(defaultText),
                               row.fieldName != nullptr ? row.fieldName : "", row.field});
  }
  return table;
}

}  // namespace

const std::vector<SettingKey>& AllSettingKeys() {
  static const std::vector<SettingKey> table = BuildTable();
  return table;
}

const SettingKey& SettingKeyFor(SettingId id) {
  return AllSettingKeys()[static_cast<std::size_t>(id)];
}

std::string ReadSetting(const SettingsStore& store, SettingId id) {
  const SettingKey& key = SettingKeyFor(id);
  return store.ReadKey(key.section, key.key, key.defaultText.value_or(std::string()));
}

bool WriteSetting(SettingsStore& store, SettingId id, std::string_view value) {
  const SettingKey& key = SettingKeyFor(id);
  return store.WriteKey(key.section, key.key, value);
}

void LoadSettingField(const SettingsStore& store, SettingId id, CalcSettings& settings) {
  const std::string text = ReadSetting(store, id);
  std::visit(
      [&](auto member) {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, bool CalcSettings::*>) {
          settings.*member = ParseSettingBool(text);
        } else if constexpr (std::is_same_v<Member, std::int32_t CalcSettings::*>) {
          settings.*member = ParseSettingInt(text);
        } else if constexpr (std::is_same_v<Member, std::int64_t CalcSettings::*>) {
          settings.*member = ParseSettingInt64(text);
        }
      },
      SettingKeyFor(id).field);
}

bool WriteSettingField(SettingsStore& store, SettingId id, const CalcSettings& settings) {
  const std::optional<std::string> text = std::visit(
      [&](auto member) -> std::optional<std::string> {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, bool CalcSettings::*>) {
          return FormatSettingBool(settings.*member);
        } else if constexpr (std::is_same_v<Member, std::monostate>) {
          return std::nullopt;
        } else {
          return FormatSettingInt(settings.*member);
        }
      },
      SettingKeyFor(id).field);
  return text && WriteSetting(store, id, *text);
}

}  // namespace tabulex
