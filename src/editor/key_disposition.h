// What a key or character handler tells the editor widget: whether the event is consumed or
// goes on to the editor's own processing.
#pragma once

namespace tabulex {

enum class KeyDisposition {
  Proceed,  // the editor acts on the key or inserts the character as usual
  Discard,  // consumed: the editor must not act on it
};

}  // namespace tabulex
