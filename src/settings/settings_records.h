// Plain records for the settings that live outside CalcSettings: properties of the main
// editor and of the keypad window, and the texts of the window position dialog. Their
// initial values are the defaults of their configuration keys. Texts are GBK.
#pragma once

#include <cstdint>
#include <string>

namespace tabulex {

// The main editor's font and text colour (section 字体设置): applied to the editor at
// start-up, taken from it at shutdown.
struct EditorProperties {
  bool fontBold{false};
  bool fontItalic{false};
  bool fontStrikeOut{false};
  bool fontUnderline{false};
  std::string fontName{"Times New Roman"};
  std::int32_t fontColor{0};  // 0x00BBGGRR
  std::int32_t fontSize{14};  // points
};

// The keypad window's geometry and layout (section 键盘窗口设置).
struct KeypadSettings {
  std::int32_t width{540};
  std::int32_t height{265};
  std::int32_t left{265};
  std::int32_t top{265};
  bool scientific{true};  // 键盘模式: the full layout, else the compact one
};

// The four fields of the window position dialog, stored exactly as typed.
struct WindowPositionTexts {
  std::string left{"0"};
  std::string top{"0"};
  std::string width{"0"};
  std::string height{"0"};
};

}  // namespace tabulex
