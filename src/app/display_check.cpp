#include "app/display_check.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace tabulex {
namespace {

constexpr std::string_view kWithoutDisplay = "不需要图形界面的计算请用 tabulex-calc。";

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string_view(value) : std::string_view();
}

// A local X display (":0", "unix:1.0") listens on its socket in /tmp/.X11-unix; a display
// on another host (ssh's "localhost:10.0") is taken as it is. No connection is made: one
// opened and closed just before Qt's own slows Qt's start by tens of milliseconds.
bool XDisplayMayBeReached(std::string_view display) {
  const std::size_t colon = display.rfind(':');
  if (colon == std::string_view::npos) return false;
  const std::string_view host = display.substr(0, colon);
  if (!host.empty() && host != "unix") return true;
  std::string_view number = display.substr(colon + 1);
  number = number.substr(0, number.find('.'));
  if (number.empty()) return false;
  std::error_code error;
  return std::filesystem::exists("/tmp/.X11-unix/X" + std::string(number), error);
}

bool WaylandSocketExists(std::string_view display) {
  std::filesystem::path socket(display);
  if (socket.is_relative()) socket = std::filesystem::path(Environment("XDG_RUNTIME_DIR")) / socket;
  std::error_code error;
  return std::filesystem::exists(socket, error);
}

}  // namespace

std::optional<std::string> MissingDisplayMessage() {
  const std::string_view platform = Environment("QT_QPA_PLATFORM");
  const std::string_view x11 = Environment("DISPLAY");
  const std::string_view wayland = Environment("WAYLAND_DISPLAY");
  const bool xcb = platform.starts_with("xcb") || (platform.empty() && !x11.empty());
  const bool waylandChosen = platform.starts_with("wayland") || (platform.empty() && x11.empty());
  if (!xcb && !waylandChosen) return std::nullopt;  // offscreen, vnc ... : Qt's own business

  if (xcb) {
    if (!x11.empty() && XDisplayMayBeReached(x11)) return std::nullopt;
    if (x11.empty()) {
      return "tabulex: 找不到图形显示（DISPLAY 未设置）。" + std::string(kWithoutDisplay);
    }
    return "tabulex: 无法连接图形显示 " + std::string(x11) + "。" + std::string(kWithoutDisplay);
  }
  if (!wayland.empty() && WaylandSocketExists(wayland)) return std::nullopt;
  if (wayland.empty()) {
    return "tabulex: 找不到图形显示（DISPLAY 与 WAYLAND_DISPLAY 均未设置）。" +
           std::string(kWithoutDisplay);
  }
  return "tabulex: 无法连接图形显示 " + std::string(wayland) + "。" + std::string(kWithoutDisplay);
}

}  // namespace tabulex
