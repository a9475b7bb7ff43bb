// LayoutMainWindow: the main window's resize event (and the full-screen toggle) places the
// editor and sizes the three status bar parts. The window layer applies the result and then
// runs TrackBounds.
#pragma once

#include <cstdint>

namespace tabulex {

enum class FullScreenMode { Off, On };

// The main window's client area below the menu bar (the whole window content in full-screen
// mode, where the menu bar is hidden), and the status bar's height along its bottom.
struct ClientArea {
  std::int32_t width{0};
  std::int32_t height{0};
  std::int32_t statusBarHeight{0};
};

// Widths of the status bar parts: messages, caret position, clock.
struct StatusBarWidths {
  std::int32_t messages{0};
  std::int32_t caretPosition{0};
  std::int32_t clock{0};

  friend bool operator==(const StatusBarWidths&, const StatusBarWidths&) = default;
};

// The editor's place inside the client area.
struct EditorArea {
  std::int32_t left{0};
  std::int32_t top{0};
  std::int32_t width{0};
  std::int32_t height{0};

  friend bool operator==(const EditorArea&, const EditorArea&) = default;
};

struct MainWindowLayout {
  StatusBarWidths statusBar{};
  EditorArea editor{};
};

// Room enough for the messages that matter most, the errors ("  [表达式错误]_有不可识别的字符！").
inline constexpr std::int32_t kUsefulMessageWidth = 300;

// Parts 1 and 2 get 200 and 345 pixels and part 0 the client width less 550 (not 545). A window
// too narrow for that keeps kUsefulMessageWidth for the messages (all of the width, when it is
// narrower still): the clock gives way first, then the caret position, down to nothing. The
// editor fills the client area above the status bar, or all of it in full-screen mode, where
// the status bar is hidden; its size never goes below 0.
MainWindowLayout LayoutMainWindow(ClientArea client, FullScreenMode mode);

}  // namespace tabulex
