// TypingAssistant: runs after every change of the editor text, including the changes it
// makes itself. It shows the caret position and the input hint, replaces typed character
// pairs before the caret (auto-replace, the always-on rules, laptop mode) and records the
// undo snapshot.
//
// Re-entry: each replacement is a text change of its own, and the widget calls
// OnTextChanged for it before ReplaceSelection returns. That inner run is complete (hint,
// rules, snapshot) before the outer run goes on with its next step on the text as it now
// stands. Typing "×" after "×" thus gives "^" in the inner run's text, and the outer run then
// finds no further rule. The outer run does not record the same state a second time: when an
// inner run has already recorded the text and caret as they stand, the outer snapshot is
// left out, so one undo never restores an identical state. When the inner run only consumed
// the suppression of an undo restore, the outer run still records. For ".." the caret is put
// between the brackets after the inner run, so that run leaves the snapshot to the outer one.
#pragma once

#include <cstdint>
#include <span>

#include "editor/editor_session.h"

namespace tabulex {

struct ReplacementRule;  // one row of a replacement table

class TypingAssistant {
 public:
  explicit TypingAssistant(EditorSession& session) : m_session{session} {}

  // To be called after every change of the text, with the caret after the changed text.
  void OnTextChanged();

 private:
  // Applies the first rule of the table whose pattern stands right before the caret.
  void ApplyFirstMatch(std::span<const ReplacementRule> table);

  EditorSession& m_session;
  // Counts the states the text and caret went through: every change, and every caret move
  // made here. A snapshot is left out when it would record the generation last recorded.
  std::uint64_t m_generation{0};
  std::uint64_t m_recordedGeneration{0};
  // Set while a replacement whose caret is placed afterwards raises its inner run.
  bool m_snapshotDeferred{false};
};

}  // namespace tabulex
