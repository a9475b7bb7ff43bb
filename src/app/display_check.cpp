#include "app/display_check.h"

#include <xcb/xcb.h>

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

bool CanConnectToX() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool connected = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return connected;
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
    if (!x11.empty() && CanConnectToX()) return std::nullopt;
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
