// Find and replace over the editor text: the state the find window and the find-next and
// find-previous commands share for the whole run, and the two operations. Occurrences start
// only at character boundaries, so a match never begins inside a two-byte character. Giving
// the editor the focus is the caller's business.
//
// The check box "英文字母区分大小写" says that letter case is distinguished, so caseOption set
// means an exact comparison and cleared means ASCII letters compare without regard to case
// (the bytes of two-byte characters always compare exactly). ReplaceAll always compares
// exactly.
#pragma once

#include <cstddef>
#include <string>

#include "engine/editor_buffer.h"

namespace tabulex {

// One for the run; not saved. Texts are GBK made of whole characters.
struct FindState {
  std::string searchText;
  bool caseOption{false};
  std::string replacement;
};

enum class FindDirection { Forward, Backward };
enum class FindAction { Select, Replace };

// Forward: the first occurrence from the end of the selection on. Backward: the last one
// that ends at or before the selection start. Either way, when there is none, the first
// occurrence in the text. It is selected and, for Replace, replaced by the replacement, the
// caret then standing after the inserted text. When the text holds no occurrence at all the
// caret goes to the start of the text. Returns whether an occurrence was found; an empty
// search text does nothing.
bool Find(EditorBuffer& editor, const FindState& state, FindDirection direction, FindAction action);

// Replaces every occurrence, left to right without overlap, and sets the result as the whole
// text in one step. When there is nothing to replace the text is not touched. Returns the
// number of replacements.
std::size_t ReplaceAll(EditorBuffer& editor, const FindState& state);

}  // namespace tabulex
