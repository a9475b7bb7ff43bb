// UndoHistory: the editor's undo and redo over snapshots of the whole text and its caret.
// Every change of the text is recorded; undo and redo put a snapshot back. At most 500
// snapshots are kept, fewer when the limit is lower; once the limit is reached the oldest is
// dropped for each new one. Snapshots are stored as the differences between neighbours, so a
// long history of a large text does not hold a full copy per snapshot.
//
// Only the current snapshot's text is kept whole. Between two neighbouring snapshots a step
// keeps where their texts differ and the differing bytes of the side that is not on the way
// to the current one; undo and redo swap those bytes with the ones in the current text. A
// keystroke therefore costs a few dozen bytes, and recording, undo and redo each cost one
// pass over the text (no work grows with the number of snapshots).
//
// The editor's SetText must raise the text-change processing (and with it RecordSnapshot)
// every time, also when the text it sets is the same: a restore counts on that call to clear
// SuppressNextSnapshot, or the next real change would go unrecorded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "engine/editor_buffer.h"

namespace tabulex {

class UndoHistory {
 public:
  static constexpr int kCapacity = 500;
  // What a limit below 1 means: the value such a setting reads as at the next start.
  static constexpr int kDefaultLimit = 50;

  // The number of snapshots to keep (the setting "撤销设置"); never more than kCapacity.
  // A limit below 1 counts as kDefaultLimit. Lowering the limit does not shrink a history
  // that is already longer; it only stops further growth.
  void SetLimit(int limit);
  int Limit() const { return m_limit; }

  // Records the editor's text and caret, unless the next recording is to be skipped (after
  // an undo or redo restore), in which case it only clears that.
  void RecordSnapshot(const EditorBuffer& editor);

  // Put the previous or next snapshot into the editor: whole text and caret. They arrange for
  // the recording that the restore itself triggers to be skipped. Nothing happens at the ends.
  void Undo(EditorBuffer& editor);
  void Redo(EditorBuffer& editor);

  bool SuppressNextSnapshot() const;
  int Current() const;  // 1-based index of the snapshot matching the editor, 0 when empty
  int Top() const;      // index of the newest snapshot redo can reach

  // Bytes held for the snapshots, for measuring.
  std::size_t StoredBytes() const;

 private:
  // The difference between two neighbouring snapshots, seen from the side that holds the
  // current text: its bytes [prefix, prefix + span) become `bytes` on the other side.
  struct Step {
    std::size_t prefix{0};
    std::size_t span{0};
    std::string bytes;
  };

  static Step Difference(const std::string& from, const std::string& to);
  // Moves m_text across the step and turns the step around to face the new side.
  void Cross(Step& step);
  void Restore(EditorBuffer& editor);

  int m_limit{kDefaultLimit};
  int m_current{0};
  bool m_suppressNextSnapshot{false};
  std::string m_text;  // the text of snapshot m_current
  // m_carets[i] belongs to snapshot i + 1; m_steps[i] lies between snapshots i + 1 and
  // i + 2. Their sizes are Top() and Top() - 1.
  std::deque<std::size_t> m_carets;
  std::deque<Step> m_steps;
};

}  // namespace tabulex
