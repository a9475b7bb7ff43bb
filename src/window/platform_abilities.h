// What the windowing system lets the program do with its own windows. On X11 everything; a
// Wayland compositor lets no program place its windows, keep them on top, make them
// translucent or take a key from every program. The controls of a feature the platform
// cannot do are disabled, with a tooltip that says why; the settings keep their values.
#pragma once

#include <string_view>

namespace tabulex {

struct PlatformAbilities {
  bool placeWindows{true};   // moving the own window: edge docking
  bool stayOnTop{true};      // always on top
  bool windowOpacity{true};  // the skins' transparency
  bool globalHotkey{true};   // the show/hide hotkey

  friend bool operator==(const PlatformAbilities&, const PlatformAbilities&) = default;
};

// By Qt's platform name ("xcb", "wayland", "wayland-egl", "offscreen" ...).
PlatformAbilities PlatformAbilitiesOf(std::string_view platformName);

// The tooltips of the disabled controls (UTF-8).
inline constexpr std::string_view kCannotStayOnTop = "Wayland 桌面不允许程序让自己的窗口始终在最前";
inline constexpr std::string_view kCannotPlaceWindows =
    "Wayland 桌面不允许程序移动自己的窗口，窗口无法隐藏到屏幕边缘";
inline constexpr std::string_view kCannotSetOpacity = "Wayland 桌面不允许程序设置窗口的透明度";
inline constexpr std::string_view kCannotGrabHotkey = "Wayland 桌面不允许程序注册全局快捷键";

}  // namespace tabulex
