// The settings window "快捷设置" as values: what its controls show when it opens, and what
// its OK does with them. The window itself (src/settings/qt) only copies these to and from
// its controls. Texts are GBK.
#pragma once

#include <cstdint>
#include <string>

#include "base/calc_settings.h"
#include "session/main_window_ports.h"
#include "settings/settings_store.h"

namespace tabulex {

// A list or option group with nothing selected: a stored value that none of its entries
// stands for (a hand-edited file) selects nothing.
inline constexpr int kNoSelection = -1;

enum class AngleChoice { Degrees, Radians, Grads };

// The controls' states. Lists hold the selected index; option groups the index of the
// checked button (kNoSelection when none is).
struct SettingsWindowValues {
  // 常规设置 / 其他设置 ("按钮语音" has no value: it is neither loaded nor saved)
  bool rememberWindow{false};
  bool spaceSeparates{false};
  bool keepContent{false};
  bool allowMultipleInstances{false};
  bool resultToClipboard{false};
  bool alwaysOnTop{false};
  bool edgeHiding{false};
  // 常规设置 / 过程设置
  bool newLineAfterCalc{false};
  bool laptopMode{false};
  bool newLinePasteResult{false};
  int thousandsIndex{0};  // 无千分符号, “；”代表千分符, “，”代表千分符
  // 常规设置 / 退出设置: 询问, 直接退出, 置托盘
  int closeActionButton{0};
  // 运算结果
  int fractionButton{0};  // 小数, 分数, 带分数
  AngleChoice angle{AngleChoice::Degrees};
  std::string digitsText{"13"};
  bool decimalRounding{true};  // 四舍五入; 常规保留 is its negation
  // 快捷键 / 普通和全屏
  bool fullScreenKeyEnabled{false};
  int fullScreenModifierIndex{0};  // 空, Ctrl, Shift, Alt
  int fullScreenKeyIndex{0};       // F1 ... F12
  // 快捷键 / 其他设置
  bool autoReplace{false};
  bool wordWrap{false};  // 自动折回: from the file, not from memory
  bool quickInput{false};
  bool autoInsertLastResult{false};
  // 快捷键 / 计算方式: 0 Enter calculates, 1 Ctrl+Enter calculates
  int calculationKeyIndex{0};
  // 快捷键 / 呼出和隐藏
  bool hotkeyEnabled{false};
  int hotkeyModifierIndex{0};  // 空, Ctrl, Shift
  int hotkeyKeyIndex{0};       // F1 ... F12
};

inline constexpr int kThousandsEntries = 3;
inline constexpr int kFullScreenModifierEntries = 4;
inline constexpr int kHotkeyModifierEntries = 3;
inline constexpr int kFunctionKeyEntries = 12;
inline constexpr std::int32_t kFirstFunctionKey = 112;  // F1

// On open: every control from CalcSettings, 自动折回 from the configuration file.
SettingsWindowValues LoadSettingsWindow(const CalcSettings& settings, const SettingsStore& store);

enum class SettingsWindowOutcome {
  Close,
  // The digits field holds more than 13: the OK button is disabled and the window stays
  // open. What was taken before the check (the check boxes of the general page, the
  // calculation key, the thousands list, the exit buttons, 热键状态 and the decimal style)
  // stays in force in memory, with the topmost state already applied; nothing is written.
  DigitsRefused,
};

// OK: takes the controls into CalcSettings, applies the immediate effects and writes the
// window's 26 keys, in a fixed order. Option groups with no button checked give 置托盘 and
// 小数. A list with nothing selected leaves its setting as it was: its index would otherwise
// turn into a key code or separator that none of its entries stands for.
SettingsWindowOutcome ConfirmSettingsWindow(const SettingsWindowValues& values,
                                            CalcSettings& settings, SettingsStore& store,
                                            const MainWindowPorts& window);

}  // namespace tabulex
