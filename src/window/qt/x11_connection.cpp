#include "window/qt/x11_connection.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <thread>

namespace tabulex {
namespace {

// The Motif window manager hints, as window managers read them.
constexpr std::uint32_t kHintsFunctions = 1;
constexpr std::uint32_t kHintsDecorations = 2;
constexpr std::uint32_t kFunctionResize = 2;
constexpr std::uint32_t kFunctionMove = 4;
constexpr std::uint32_t kDecorationBorder = 2;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(
      connection, 0, static_cast<std::uint16_t>(std::char_traits<char>::length(name)), name);
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply{
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free};
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

using Reply = std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>;

Reply Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
               xcb_atom_t type, std::uint32_t length) {
  return Reply{
      xcb_get_property_reply(
          connection, xcb_get_property(connection, 0, window, property, type, 0, length), nullptr),
      &std::free};
}

// A window manager runs and has announced that it answers the request.
bool AnswersFrameRequests(xcb_connection_t* connection, xcb_window_t root) {
  const Reply check =
      Property(connection, root, Atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1);
  if (!check || xcb_get_property_value_length(check.get()) != 4) return false;
  const Reply supported =
      Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
  if (!supported) return false;
  const xcb_atom_t wanted = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
  const int count = xcb_get_property_value_length(supported.get()) / 4;
  return std::find(atoms, atoms + count, wanted) != atoms + count;
}

}  // namespace

xcb_connection_t* X11Connection() {
  auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (application == nullptr) return nullptr;
  auto* x11 = application->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

void ShowBorderOnly(const QWindow& window) {
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr || window.handle() == nullptr) return;
  const xcb_atom_t hints = Atom(connection, "_MOTIF_WM_HINTS");
  if (hints == XCB_ATOM_NONE) return;
  // flags, functions, decorations, input mode, status
  const std::array<std::uint32_t, 5> value{kHintsFunctions | kHintsDecorations,
                                           kFunctionMove | kFunctionResize, kDecorationBorder, 0,
                                           0};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                      hints, hints, 32, static_cast<std::uint32_t>(value.size()), value.data());
  xcb_flush(connection);
}

std::optional<QMargins> FrameExtents(const QWindow& window) {
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr || window.handle() == nullptr) return std::nullopt;
  const Reply reply = Property(connection, static_cast<xcb_window_t>(window.winId()),
                               Atom(connection, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 4);
  if (!reply || xcb_get_property_value_length(reply.get()) != 16) return std::nullopt;
  // left, right, top, bottom, in the screen's own pixels; the program counts in Qt's
  // device-independent ones (QT_SCALE_FACTOR, high-resolution screens).
  const auto* value = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  const double ratio = window.devicePixelRatio();
  const auto scaled = [ratio](std::uint32_t pixels) {
    return static_cast<int>(std::lround(pixels / ratio));
  };
  return QMargins(scaled(value[0]), scaled(value[2]), scaled(value[1]), scaled(value[3]));
}

std::optional<QMargins> RequestFrameExtents(const QWindow& window) {
  if (std::optional<QMargins> margins = FrameExtents(window)) return margins;
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr || window.handle() == nullptr) return std::nullopt;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  if (!AnswersFrameRequests(connection, root)) return std::nullopt;

  xcb_client_message_event_t request{};
  request.response_type = XCB_CLIENT_MESSAGE;
  request.format = 32;
  request.window = static_cast<xcb_window_t>(window.winId());
  request.type = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&request));
  xcb_flush(connection);
  // A window manager answers within a few milliseconds; a busy one gets a fifth of a second.
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (std::optional<QMargins> margins = FrameExtents(window)) return margins;
    std::this_thread::sleep_for(std::chrono::milliseconds(4));
  }
  return std::nullopt;
}

}  // namespace tabulex
