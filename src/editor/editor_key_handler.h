// EditorKeyHandler: a key pressed in the editor, before the editor acts on it. Decides the
// calculate and line-break keys (Enter and Ctrl+Enter swap roles with "回车换行"), the
// space-separated Space and Backspace, the recalculation key, the full-screen key and, in full
// screen where the menu bar and its shortcuts are hidden, Ctrl+D. Tab is consumed: its release
// converts the result (EditorKeyUpHook), and a tab character in the line would spoil that.
// Menu shortcuts are taken by the menus before this handler sees a key.
#pragma once

#include "editor/editor_session.h"
#include "editor/key_disposition.h"

namespace tabulex {

class EditorKeyHandler {
 public:
  explicit EditorKeyHandler(EditorSession& session) : m_session{session} {}

  // virtualKey: a code of virtual_keys.h; modifiers: Ctrl 1 + Shift 2 + Alt 4.
  KeyDisposition OnKeyDown(int virtualKey, int modifiers);

 private:
  EditorSession& m_session;
};

}  // namespace tabulex
