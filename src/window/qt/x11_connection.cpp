#include "window/qt/x11_connection.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

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

}  // namespace tabulex
