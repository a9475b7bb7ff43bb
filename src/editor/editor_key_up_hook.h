// EditorKeyUpHook: a key released in the editor. Tab converts the line's result to its next
// form (decimal, fraction, mixed fraction); with quick input, the main keyboard's 9, 0, 1, 5
// and 6 turn the digit just typed into "(", ")", "!", "%" and "^". Keypad digits have codes
// of their own and stay digits. The editor's own processing of the release always follows.
#pragma once

#include "editor/editor_session.h"

namespace tabulex {

class EditorKeyUpHook {
 public:
  explicit EditorKeyUpHook(EditorSession& session) : m_session{session} {}

  // virtualKey: a code of virtual_keys.h.
  void OnKeyUp(int virtualKey);

 private:
  EditorSession& m_session;
};

}  // namespace tabulex
