#include "settings/window_position.h"

#include <cmath>

#include "engine/number_text.h"
#include "settings/setting_keys.h"

namespace tabulex {

WindowPositionTexts ReadWindowPosition(const SettingsStore& store) {
  return {ReadSetting(store, SettingId::WindowLeft), ReadSetting(store, SettingId::WindowTop),
          ReadSetting(store, SettingId::WindowWidth), ReadSetting(store, SettingId::WindowHeight)};
}

bool IsWindowPositionAcceptable(const WindowPositionTexts& texts, ScreenRect screen) {
  // Doubles throughout, so that no sum can overflow.
  // Taken from the screen's corner, as every rule about the screen.
  const double left = TextToNumber(texts.left) - screen.left;
  const double top = TextToNumber(texts.top) - screen.top;
  const double width = TextToNumber(texts.width);
  const double height = TextToNumber(texts.height);
  for (const double value : {left, top, width, height}) {
    if (!std::isfinite(value)) return false;
  }
  return !(left + 10 > screen.width || left + width < 10 || top + 10 > screen.height ||
           top + width < 50 || height < 50);
}

}  // namespace tabulex
