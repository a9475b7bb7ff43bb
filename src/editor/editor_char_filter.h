// EditorCharFilter: sees a typed character before the editor inserts it. "*" and "/" become
// "×" and "÷"; at the start of a line other than the first, the last result can be put in
// front of "*", "/", "+" and "-"; laptop mode types "+", "×" and "÷" for "=", "]" and "[".
// The character is a Unicode code point; only ASCII characters are acted on, everything
// else proceeds unchanged.
#pragma once

#include "editor/editor_session.h"
#include "editor/key_disposition.h"

namespace tabulex {

class EditorCharFilter {
 public:
  explicit EditorCharFilter(EditorSession& session) : m_session{session} {}

  // Discard: the filter has done the insertion itself (or none is wanted); the editor must
  // not insert the character.
  KeyDisposition OnChar(char32_t character);

 private:
  // The last result, when it is to be put in front at the caret.
  void InsertLastResultAtLineStart();

  EditorSession& m_session;
};

}  // namespace tabulex
