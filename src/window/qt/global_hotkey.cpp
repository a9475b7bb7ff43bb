#include "window/qt/global_hotkey.h"

#include <xcb/xcb.h>

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

#include "window/hotkey_codes.h"
#include "window/qt/x11_connection.h"
#include "window/x11_keymap.h"

namespace tabulex {
namespace {

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

KeyboardMapping ReadKeyboardMapping(xcb_connection_t* connection) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
  const XcbReply<xcb_get_keyboard_mapping_reply_t> reply{xcb_get_keyboard_mapping_reply(
      connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr)};
  if (!reply) return {};
  const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply.get());
  const int length = xcb_get_keyboard_mapping_keysyms_length(reply.get());
  return KeyboardMapping{setup->min_keycode, reply->keysyms_per_keycode,
                         std::vector<std::uint32_t>(keysyms, keysyms + length)};
}

ModifierMapping ReadModifierMapping(xcb_connection_t* connection) {
  const XcbReply<xcb_get_modifier_mapping_reply_t> reply{
      xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr)};
  if (!reply) return {};
  const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(reply.get());
  const int length = xcb_get_modifier_mapping_keycodes_length(reply.get());
  return ModifierMapping{reply->keycodes_per_modifier,
                         std::vector<std::uint8_t>(keycodes, keycodes + length)};
}

std::vector<xcb_window_t> RootWindows(xcb_connection_t* connection) {
  std::vector<xcb_window_t> roots;
  for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem > 0;
       xcb_screen_next(&it)) {
    roots.push_back(it.data->root);
  }
  return roots;
}

}  // namespace

GlobalHotkey::GlobalHotkey(QObject* parent) : QObject(parent) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

GlobalHotkey::~GlobalHotkey() {
  ReleaseGrabs();
}

std::int32_t GlobalHotkey::Register(std::int32_t modifierCode, std::int32_t keyCode) {
  ReleaseGrabs();
  const std::int32_t id = m_ids.Next();
  const std::optional<std::uint32_t> keysym = KeysymForVirtualKey(keyCode);
  const bool grabbed =
      keysym.has_value() && GrabKey(X11ModifierMask(HotkeyModifierFlags(modifierCode)), *keysym);
  m_id = grabbed ? id : 0;
  return m_id;
}

void GlobalHotkey::Unregister() {
  ReleaseGrabs();
}

bool GlobalHotkey::GrabKey(std::uint16_t modifiers, std::uint32_t keysym) {
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return false;
  const KeyboardMapping keyboard = ReadKeyboardMapping(connection);
  const std::vector<std::uint8_t> keycodes = KeycodesForKeysym(keyboard, keysym);
  if (keycodes.empty()) return false;
  const std::uint16_t numLockMask =
      ModifierMaskOf(ReadModifierMapping(connection), KeycodesForKeysym(keyboard, kNumLockKeysym));

  // Every request first, then every answer: one round trip instead of one per grab.
  std::vector<std::pair<Grab, xcb_void_cookie_t>> requests;
  for (const xcb_window_t root : RootWindows(connection)) {
    for (const std::uint8_t keycode : keycodes) {
      for (const std::uint16_t locks : LockVariants(numLockMask)) {
        const Grab grab{root, keycode, static_cast<std::uint16_t>(modifiers | locks)};
        requests.emplace_back(grab,
                              xcb_grab_key_checked(connection, 0, root, grab.modifiers, keycode,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
      }
    }
  }
  m_connection = connection;
  bool taken = false;
  for (const auto& [grab, cookie] : requests) {
    if (xcb_generic_error_t* error = xcb_request_check(connection, cookie)) {
      std::free(error);  // BadAccess: another client holds this combination
      taken = true;
    } else {
      m_grabs.push_back(grab);
    }
  }
  if (taken) {
    ReleaseGrabs();
    return false;
  }
  m_keycodes = keycodes;
  m_modifiers = modifiers;
  m_numLockMask = numLockMask;
  return true;
}

void GlobalHotkey::ReleaseGrabs() {
  // The connection goes with the application: after it, there is nothing left to release.
  if (!m_grabs.empty() && QCoreApplication::instance() != nullptr) {
    for (const Grab& grab : m_grabs) {
      xcb_ungrab_key(m_connection, grab.keycode, grab.root, grab.modifiers);
    }
    xcb_flush(m_connection);
  }
  m_grabs.clear();
  m_keycodes.clear();
}

bool GlobalHotkey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (m_grabs.empty() || eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  const std::uint8_t type = event->response_type & 0x7f;
  if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
  // Press and release have the same layout.
  const auto* key = static_cast<const xcb_key_press_event_t*>(message);
  const bool ours =
      std::any_of(m_grabs.begin(), m_grabs.end(),
                  [key](const Grab& grab) { return grab.root == key->event; }) &&
      std::find(m_keycodes.begin(), m_keycodes.end(), key->detail) != m_keycodes.end() &&
      ModifiersMatch(key->state, m_modifiers, m_numLockMask);
  if (!ours) return false;
  if (type == XCB_KEY_PRESS) {
    QMetaObject::invokeMethod(this, &GlobalHotkey::activated, Qt::QueuedConnection);
  }
  return true;
}

}  // namespace tabulex
