// KeypadWindow: the modeless on-screen keypad, a tool window of the main window without a
// title text. Its 41 buttons never take the keyboard focus; each runs its key through
// KeypadActions and then hands the focus back to the editor. It reads its size, position and
// layout from the configuration file when it is created and writes them when it closes, and
// deletes itself when closed. What the keys do and where the buttons go is decided in
// KeypadActions and keypad_layout.
#pragma once

#include <QWidget>

#include <array>
#include <functional>

#include "editor/edit_commands.h"
#include "editor/editor_session.h"
#include "settings/settings_records.h"
#include "settings/settings_store.h"
#include "tools/keypad_actions.h"
#include "tools/keypad_layout.h"

class QPushButton;

namespace tabulex {

class KeypadWindow final : public QWidget {
  Q_OBJECT

 public:
  // focusEditor gives the editor the keyboard focus (the keypad activates its parent's window
  // first); clearAll is the owner's clear-all. The session, the commands and the store must
  // outlive the window, so the owner closes it before they go.
  KeypadWindow(QWidget* parent, EditorSession& session, EditCommands& commands,
               SettingsStore& settings, std::function<void()> focusEditor,
               std::function<void()> clearAll);

  QPushButton* button(KeypadKey key) const { return m_buttons[static_cast<std::size_t>(key)]; }
  KeypadMode mode() const { return m_actions.Mode(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  // The window's own background: the buttons take their own mouse events.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  KeypadWindow(QWidget* parent, EditorSession& session, EditCommands& commands,
               SettingsStore& settings, std::function<void()> focusEditor,
               std::function<void()> clearAll, const KeypadSettings& stored);

  void Act(KeypadKey key);
  void ShowCaptions();
  void LayOutButtons();
  void FocusEditor();

  SettingsStore& m_settings;
  std::function<void()> m_focusEditor;
  KeypadActions m_actions;
  std::array<QPushButton*, kKeypadKeyCount> m_buttons{};
};

}  // namespace tabulex
