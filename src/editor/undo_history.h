// UndoHistory: the editor's undo and redo over snapshots of the whole text and its caret.
// Every change of the text is recorded; undo and redo put a snapshot back. At most 500
// snapshots are kept, fewer when the limit is lower; once the limit is reached the oldest is
// dropped for each new one. Snapshots are stored as the differences between neighbours, so a
// long history of a large text does not hold a full copy per snapshot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/editor_buffer.h"

namespace tabulex {

class UndoHistory {
 public:
  static constexpr int kCapacity = 500;

  // The number of snapshots to keep (the setting "撤销设置"); never more than kCapacity.
  void SetLimit(int limit);

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
  // Filled in by the implementation.
};

}  // namespace tabulex
