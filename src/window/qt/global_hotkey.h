// GlobalHotkey: the show/hide hotkey as a key grab on the X11 root window, so that it works
// whichever window has the keyboard. Each registration takes the next id (HotkeyIds); the id
// is kept, or 0 when no grab was possible: another program holds the combination, the key
// has no X11 counterpart, or the program does not run on X11 (Wayland, offscreen). A failed
// registration is silent; the hotkey then does nothing.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <vector>

#include "window/hotkey_ids.h"

struct xcb_connection_t;

namespace tabulex {

class GlobalHotkey final : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  explicit GlobalHotkey(QObject* parent = nullptr);
  ~GlobalHotkey() override;

  // RegisterShowHideHotkey: modifierCode as stored in 辅助功能快捷键 (0 none, 1 Ctrl, 2 Shift
  // ...), keyCode a Windows virtual-key code (112 to 123 are F1 to F12). There is one
  // show/hide hotkey: a combination registered before is released first. Returns the kept id.
  std::int32_t Register(std::int32_t modifierCode, std::int32_t keyCode);
  // UnregisterShowHideHotkey: releases the grab, if any. The kept id stays as it is.
  void Unregister();

  // The id of the last registration; 0 before the first and when it failed.
  std::int32_t Id() const { return m_id; }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  // The hotkey was pressed (ShowHideAction). Delivered through the event loop, like a
  // window message, never from inside the X event handling.
  void activated();

 private:
  struct Grab {
    std::uint32_t root{0};
    std::uint8_t keycode{0};
    std::uint16_t modifiers{0};
  };

  bool GrabKey(std::uint16_t modifiers, std::uint32_t keysym);
  void ReleaseGrabs();

  HotkeyIds m_ids;
  std::int32_t m_id{0};
  xcb_connection_t* m_connection{};
  std::vector<Grab> m_grabs;
  std::vector<std::uint8_t> m_keycodes;
  std::uint16_t m_modifiers{0};
  std::uint16_t m_numLockMask{0};
};

}  // namespace tabulex
