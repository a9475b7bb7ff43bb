#include "editor/undo_history.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/text_buffer.h"

namespace tabulex {
namespace {

// The editor as the window drives it: every change of the text records a snapshot at once,
// before the change returns, restores included.
class RecordingEditor final : public EditorBuffer {
 public:
  explicit RecordingEditor(UndoHistory& undo) : m_undo{undo} {}

  std::size_t Length() const override { return m_text.Length(); }
  char ByteAt(std::size_t offset) const override { return m_text.ByteAt(offset); }
  std::string Slice(std::size_t start, std::size_t length) const override {
    return m_text.Slice(start, length);
  }
  std::size_t Caret() const override { return m_text.Caret(); }
  std::size_t SelectionLength() const override { return m_text.SelectionLength(); }
  void Select(std::size_t start, std::size_t length) override { m_text.Select(start, length); }
  void ReplaceSelection(std::string_view text) override {
    m_text.ReplaceSelection(text);
    m_undo.RecordSnapshot(*this);
  }
  void SetText(std::string_view text) override {
    m_text.SetText(text);
    m_undo.RecordSnapshot(*this);
  }

  // Text and caret at its end, without recording them.
  void Load(std::string_view text) {
    m_text.SetText(text);
    m_text.SetCaret(text.size());
  }

  // The text with "|" at the caret.
  std::string Shown() const {
    std::string text = Text();
    return text.insert(Caret(), "|");
  }

 private:
  UndoHistory& m_undo;
  TextBuffer m_text;
};

enum class Act { Type, Undo, Redo, Limit };

struct Step {
  Act act;
  std::string_view typed;  // Type: the text typed at the caret; Limit: the new limit
  std::string_view shown;  // the text with "|" at the caret afterwards
  int current;
  int top;
};

struct Sequence {
  const char* name;
  int limit;
  std::string_view start;  // the first snapshot's text; the caret at its end
  std::vector<Step> steps;
};

const std::vector<Sequence> kSequences = {
    {"three changes, three undos, three redos, a fourth redo does nothing",
     50,
     "5",
     {
         {Act::Type, "1", "51|", 2, 2},
         {Act::Type, "+", "51+|", 3, 3},
         {Act::Type, "2", "51+2|", 4, 4},
         {Act::Undo, "", "51+|", 3, 4},
         {Act::Undo, "", "51|", 2, 4},
         {Act::Undo, "", "5|", 1, 4},
         {Act::Undo, "", "5|", 1, 4},
         {Act::Redo, "", "51|", 2, 4},
         {Act::Redo, "", "51+|", 3, 4},
         {Act::Redo, "", "51+2|", 4, 4},
         {Act::Redo, "", "51+2|", 4, 4},
     }},
    {"typing after two undos discards the redo states",
     50,
     "",
     {
         {Act::Type, "a", "a|", 2, 2},
         {Act::Type, "b", "ab|", 3, 3},
         {Act::Type, "c", "abc|", 4, 4},
         {Act::Undo, "", "ab|", 3, 4},
         {Act::Undo, "", "a|", 2, 4},
         {Act::Type, "x", "ax|", 3, 3},
         {Act::Redo, "", "ax|", 3, 3},
         {Act::Undo, "", "a|", 2, 3},
         {Act::Redo, "", "ax|", 3, 3},
     }},
    {"limit 3 keeps the last three texts of five changes",
     3,
     "",
     {
         {Act::Type, "1", "1|", 2, 2},
         {Act::Type, "2", "12|", 3, 3},
         {Act::Type, "3", "123|", 3, 3},
         {Act::Type, "4", "1234|", 3, 3},
         {Act::Type, "5", "12345|", 3, 3},
         {Act::Undo, "", "1234|", 2, 3},
         {Act::Undo, "", "123|", 1, 3},
         {Act::Undo, "", "123|", 1, 3},
         {Act::Redo, "", "1234|", 2, 3},
         {Act::Redo, "", "12345|", 3, 3},
     }},
    {"undo at the first snapshot does nothing, the next character is still recorded",
     50,
     "7",
     {
         {Act::Undo, "", "7|", 1, 1},
         {Act::Type, "8", "78|", 2, 2},
         {Act::Undo, "", "7|", 1, 2},
         {Act::Undo, "", "7|", 1, 2},
         {Act::Type, "9", "79|", 2, 2},
     }},
    {"typing in the middle of an undone history slides from there at the limit",
     3,
     "",
     {
         {Act::Type, "a", "a|", 2, 2},
         {Act::Type, "b", "ab|", 3, 3},
         {Act::Undo, "", "a|", 2, 3},
         {Act::Type, "c", "ac|", 3, 3},
         {Act::Type, "d", "acd|", 3, 3},
         {Act::Undo, "", "ac|", 2, 3},
         {Act::Undo, "", "a|", 1, 3},
         {Act::Undo, "", "a|", 1, 3},
     }},
    {"a lower limit stops growth but keeps the longer history",
     5,
     "",
     {
         {Act::Type, "1", "1|", 2, 2},
         {Act::Type, "2", "12|", 3, 3},
         {Act::Type, "3", "123|", 4, 4},
         {Act::Limit, "2", "123|", 4, 4},
         {Act::Type, "4", "1234|", 4, 4},
         {Act::Undo, "", "123|", 3, 4},
         {Act::Undo, "", "12|", 2, 4},
         {Act::Undo, "", "1|", 1, 4},
         {Act::Undo, "", "1|", 1, 4},
     }},
    {"limit 1 keeps only the current text",
     1,
     "",
     {
         {Act::Type, "1", "1|", 1, 1},
         {Act::Type, "2", "12|", 1, 1},
         {Act::Undo, "", "12|", 1, 1},
     }},
    {"a limit below 1 set while running counts as 50",
     2,
     "",
     {
         {Act::Type, "1", "1|", 2, 2},
         {Act::Limit, "0", "1|", 2, 2},
         {Act::Type, "2", "12|", 3, 3},
         {Act::Type, "3", "123|", 4, 4},
     }},
};

TEST(UndoHistoryTest, Sequences) {
  for (const Sequence& sequence : kSequences) {
    SCOPED_TRACE(sequence.name);
    UndoHistory undo;
    undo.SetLimit(sequence.limit);
    RecordingEditor editor{undo};
    editor.Load(sequence.start);
    undo.RecordSnapshot(editor);
    for (std::size_t i = 0; i < sequence.steps.size(); ++i) {
      const Step& step = sequence.steps[i];
      SCOPED_TRACE("step " + std::to_string(i + 1));
      switch (step.act) {
        case Act::Type:
          editor.ReplaceSelection(step.typed);
          break;
        case Act::Undo:
          undo.Undo(editor);
          break;
        case Act::Redo:
          undo.Redo(editor);
          break;
        case Act::Limit:
          undo.SetLimit(std::stoi(std::string(step.typed)));
          break;
      }
      EXPECT_EQ(editor.Shown(), step.shown);
      EXPECT_EQ(undo.Current(), step.current);
      EXPECT_EQ(undo.Top(), step.top);
      // Whatever happened, the restore's own change has been skipped, and only it.
      EXPECT_FALSE(undo.SuppressNextSnapshot());
    }
  }
}

TEST(UndoHistoryTest, LimitIsKeptBetweenOneAndTheCapacity) {
  const struct {
    int set;
    int kept;
  } rows[] = {{-5, 50}, {0, 50}, {1, 1}, {3, 3}, {500, 500}, {501, 500}, {100000, 500}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.set);
    UndoHistory undo;
    undo.SetLimit(row.set);
    EXPECT_EQ(undo.Limit(), row.kept);
  }
}

TEST(UndoHistoryTest, NeverHoldsMoreThanTheCapacity) {
  UndoHistory undo;
  undo.SetLimit(100000);
  RecordingEditor editor{undo};
  for (int i = 0; i < 600; ++i) editor.ReplaceSelection("x");
  EXPECT_EQ(undo.Current(), UndoHistory::kCapacity);
  for (int i = 0; i < 600; ++i) undo.Undo(editor);
  EXPECT_EQ(undo.Current(), 1);
  EXPECT_EQ(editor.Text(), std::string(101, 'x'));
}

// The startup records the restored text, and once more after placing the caret: the first
// undo goes back to the same text with the caret at the start.
TEST(UndoHistoryTest, StartupSnapshotKeepsTheRestoredCaret) {
  UndoHistory undo;
  RecordingEditor editor{undo};
  editor.SetText("1+2\r\n3");
  editor.SetCaret(3);
  undo.RecordSnapshot(editor);
  editor.ReplaceSelection("4");
  ASSERT_EQ(editor.Shown(), "1+24|\r\n3");

  undo.Undo(editor);
  EXPECT_EQ(editor.Shown(), "1+2|\r\n3");
  undo.Undo(editor);
  EXPECT_EQ(editor.Shown(), "|1+2\r\n3");
  EXPECT_EQ(undo.Current(), 1);
}

// The restore's flag, seen without an editor that records on its own.
TEST(UndoHistoryTest, RestoreSkipsExactlyTheNextRecording) {
  UndoHistory undo;
  TextBuffer editor;
  for (std::string_view typed : {"a", "b"}) {
    editor.ReplaceSelection(typed);
    undo.RecordSnapshot(editor);
  }
  ASSERT_EQ(undo.Current(), 2);

  undo.Undo(editor);
  EXPECT_TRUE(undo.SuppressNextSnapshot());
  // Nothing to undo: the flag stays for the restore's recording.
  undo.Undo(editor);
  EXPECT_TRUE(undo.SuppressNextSnapshot());

  undo.RecordSnapshot(editor);  // the restore's own change
  EXPECT_FALSE(undo.SuppressNextSnapshot());
  EXPECT_EQ(undo.Current(), 1);
  EXPECT_EQ(undo.Top(), 2);

  undo.RecordSnapshot(editor);  // a real change
  EXPECT_EQ(undo.Current(), 2);
  EXPECT_EQ(undo.Top(), 2);
}

// Edits that make the stored differences hard: repeated bytes (where the common prefix and
// suffix overlap), two-byte characters, empty texts, whole-text replacements, edits
// at both ends; some undone before the next edit. Walking the whole history back and forth
// must give back every text and caret exactly.
TEST(UndoHistoryTest, RandomEditsComeBackExactly) {
  const std::string_view pieces[] = {"a", "aa", "ab", "\xA6\xD0", "\r\n", "", "aaaaaaaa"};
  for (int limit : {500, 7}) {
    SCOPED_TRACE(limit);
    std::mt19937 random{20240611};
    UndoHistory undo;
    undo.SetLimit(limit);
    RecordingEditor editor{undo};
    std::vector<std::string> shown{editor.Shown()};
    undo.RecordSnapshot(editor);

    for (int edit = 0; edit < 300; ++edit) {
      const std::size_t length = editor.Length();
      const std::size_t start = random() % (length + 1);
      const std::size_t removed = random() % 4 == 0 ? length - start : random() % 3;
      std::string inserted;
      for (unsigned n = random() % 4; n > 0; --n) inserted += pieces[random() % std::size(pieces)];
      if (random() % 10 == 0) {
        editor.SetText(inserted);
      } else {
        editor.Select(start, removed);
        editor.ReplaceSelection(inserted);
      }
      shown.push_back(editor.Shown());
      if (static_cast<int>(shown.size()) > limit) shown.erase(shown.begin());
      if (random() % 8 == 0 && undo.Current() > 1) {
        undo.Undo(editor);
        shown.pop_back();
      }
    }
    ASSERT_EQ(undo.Current(), static_cast<int>(shown.size()));

    for (int i = undo.Current(); i > 1; --i) {
      EXPECT_EQ(editor.Shown(), shown[static_cast<std::size_t>(i - 1)]);
      undo.Undo(editor);
    }
    EXPECT_EQ(editor.Shown(), shown.front());
    for (const std::string& expected : shown) {
      EXPECT_EQ(editor.Shown(), expected);
      undo.Redo(editor);
    }
  }
}

// 500 keystrokes in a 1 MB text keep about one copy of the text, not 500.
TEST(UndoHistoryTest, KeystrokesInALargeTextCostFewBytes) {
  constexpr std::size_t kTextBytes = 1 << 20;
  std::string text;
  while (text.size() < kTextBytes) text += "1+2*3=7\r\n";
  UndoHistory undo;
  undo.SetLimit(UndoHistory::kCapacity);
  RecordingEditor editor{undo};
  editor.SetText(text);
  editor.SetCaret(text.size() / 2);
  // Typing and deleting, more keystrokes than fit, so that the window slides too.
  constexpr int kKeystrokes = 600;
  std::string oldest;
  for (int i = 0; i < kKeystrokes; ++i) {
    if (i % 3 == 2) {
      editor.Select(editor.Caret() - 1, 1);
      editor.ReplaceSelection("");
    } else {
      editor.ReplaceSelection(i % 3 ? "+" : "9");
    }
    if (i == kKeystrokes - UndoHistory::kCapacity) oldest = editor.Text();
  }
  ASSERT_EQ(undo.Current(), UndoHistory::kCapacity);
  const std::size_t bound = text.size() + text.size() / 10;
  EXPECT_LT(undo.StoredBytes(), bound);

  // Walking to the other end swaps bytes; it does not add any.
  const std::string newest = editor.Text();
  for (int i = 1; i < UndoHistory::kCapacity; ++i) undo.Undo(editor);
  EXPECT_EQ(editor.Text(), oldest);
  EXPECT_LT(undo.StoredBytes(), bound);
  for (int i = 1; i < UndoHistory::kCapacity; ++i) undo.Redo(editor);
  EXPECT_EQ(editor.Text(), newest);
  EXPECT_LT(undo.StoredBytes(), bound);
}

// Undoing a large paste moves the pasted bytes into the history: the text left behind must
// not keep their room as well.
TEST(UndoHistoryTest, UndoneLargePasteIsHeldOnce) {
  const std::string pasted(1 << 20, '7');
  UndoHistory undo;
  RecordingEditor editor{undo};
  undo.RecordSnapshot(editor);
  editor.ReplaceSelection(pasted);
  undo.Undo(editor);
  ASSERT_EQ(editor.Text(), "");
  EXPECT_LT(undo.StoredBytes(), pasted.size() + pasted.size() / 10);
}

}  // namespace
}  // namespace tabulex
