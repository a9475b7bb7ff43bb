// The window position dialog "自定义窗口位置(请勿超出屏幕！)" as values: the four texts it
// opens with, and when its OK may be pressed. Its OK writes the texts as typed
// (WriteWindowPosition). Texts are GBK.
#pragma once

#include "base/placement_check.h"
#include "settings/settings_records.h"
#include "settings/settings_store.h"

namespace tabulex {

// The four keys of 启动窗口位置 as stored in the file (not the bounds in memory); "0" for a
// missing key.
WindowPositionTexts ReadWindowPosition(const SettingsStore& store);

// The texts read with the atof rules as L, T, Wd, Ht. Refused when L + 10 > W, L + Wd < 10,
// T + 10 > H, T + Wd < 50 (the width, not the height: that is the rule) or Ht < 50, with W
// and H the screen's size; also when a value is not a finite number ("inf", "nan"), which
// no position is.
bool IsWindowPositionAcceptable(const WindowPositionTexts& texts, ScreenRect screen);

}  // namespace tabulex
