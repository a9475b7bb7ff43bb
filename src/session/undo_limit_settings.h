// The undo settings window "撤销步长" as values: the text its field opens with, and its OK.
// Texts are GBK.
#pragma once

#include <string>
#include <string_view>

#include "base/calc_settings.h"
#include "session/main_window_ports.h"
#include "settings/settings_store.h"

namespace tabulex {

// The field's text on open: undoLimit in decimal.
std::string UndoLimitFieldText(const CalcSettings& settings);

enum class UndoLimitOutcome {
  Close,
  // Above 500: the window shows "错误，最大撤销步数不能大于500！" and stays open; nothing
  // changed.
  TooLarge,
};

// OK: the field read with the atof rules; 500 is the most the history holds (500.5 is
// refused, not truncated first). Otherwise undoLimit := the value truncated toward zero
// (0 and negative values too, which the next start reads as 50), applied to the undo
// history at once, then 撤销设置 written.
UndoLimitOutcome ConfirmUndoLimit(std::string_view fieldText, CalcSettings& settings,
                                  SettingsStore& store, const MainWindowPorts& window);

}  // namespace tabulex
