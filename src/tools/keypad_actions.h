// KeypadActions: what the keypad's keys do to the editor, and the keypad's two switches, the
// second functions ("2nd") and the layout ("简单"/"科学"). It knows which caption each key
// shows; placing the buttons is keypad_layout's, the window and its focus rules are
// KeypadWindow's.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "editor/edit_commands.h"
#include "editor/editor_session.h"
#include "tools/keypad_layout.h"

namespace tabulex {

// Where the keyboard focus goes after a key.
enum class KeypadFocus { Editor, Keypad };

class KeypadActions {
 public:
  // clearAll is the owner's clear-all (the document also becomes unmodified there); the second
  // functions start off.
  KeypadActions(EditorSession& session, EditCommands& commands, KeypadMode mode,
                std::function<void()> clearAll);

  // Runs the key in the current state.
  KeypadFocus Press(KeypadKey key);

  // The caption the key shows now (UTF-8).
  std::string_view Caption(KeypadKey key) const;
  KeypadMode Mode() const { return m_mode; }
  bool SecondFunctions() const { return m_second; }

  // The keys that act when a mouse button is released over them rather than on a click.
  static bool ActsOnRelease(KeypadKey key);
  // The number "Rand" inserts for a seed: 1 to 1000, the same for the same seed.
  static int RandomNumber(std::uint64_t seed);

 private:
  void Insert(std::string_view gbk);
  // Inserts before + after and puts the caret between them.
  void InsertAround(std::string_view before, std::string_view after);
  void InsertCaption(KeypadKey key);
  void StepLeft();
  void StepRight();
  void DeleteBack();
  // The status bar shows where the keypad put the caret; a move alone does not update it.
  void ShowCaretPosition();

  EditorSession& m_session;
  EditCommands& m_commands;
  std::function<void()> m_clearAll;
  KeypadMode m_mode;
  bool m_second{false};
};

}  // namespace tabulex
