// ChildWindows: the windows the main window opens from its menus and status bar: find, the
// keypad, the accumulator, the tool window, the appearance window and the font dialog. It
// keeps which are open (one find window and one keypad at a time) and what they need.
#pragma once

#include <QPointer>

#include <cstdint>
#include <functional>

#include "editor/edit_commands.h"
#include "editor/editor_session.h"
#include "editor/find_replace.h"
#include "settings/settings_store.h"
#include "tools/accumulator_clearing.h"
#include "window/platform_abilities.h"

class QMainWindow;

namespace tabulex {

class FindWindow;
class KeypadWindow;
class LookAdapter;
class MainEditor;
class SkinEngine;

class ChildWindows {
 public:
  struct Parts {
    QMainWindow& window;
    MainEditor& editor;
    EditorSession& session;
    EditCommands& commands;
    SettingsStore& store;
    SkinEngine& skins;
    LookAdapter& look;
    PlatformAbilities platform;
    std::function<void()> clearAll;
  };

  explicit ChildWindows(Parts parts) : m_parts{std::move(parts)} {}

  FindState& findState() { return m_findState; }

  // One find window at a time: opening it again brings the open one forward.
  void OpenFind();
  void OpenKeypad();
  void ToggleKeypad();
  // The keypad closes with the main window, writing its geometry.
  void CloseKeypad();
  // The keypad follows the main window when edge hiding tucks it away and back.
  void FollowMainWindow(bool shown);
  void OpenAccumulator();
  // Asks first; accumulator windows opened before then no longer act.
  void ClearAccumulator();
  // On the given tab (0 base conversion, 1 statistics, 2 units, 3 time), or where it was last
  // left.
  void OpenToolWindow(int tab);
  void OpenToolWindow();
  void OpenAppearance();
  void ChooseFont();

 private:
  Parts m_parts;
  FindState m_findState;
  QPointer<FindWindow> m_findWindow;
  QPointer<KeypadWindow> m_keypad;
  // The tool window's tab at its next opening.
  int m_toolWindowTab{0};
  AccumulatorClearing m_accumulatorClearing;
};

}  // namespace tabulex
