// The editor as the widget layer drives it, without a widget: an in-memory buffer that calls
// the typing assistant after every change of its text, re-entrantly, before the change
// returns; an EditorSession over it with recording fakes; and typing that runs the key
// handler, the character filter, the insertion and the key-up hook as a keystroke does.
// Texts are given in UTF-8: "▮" marks the caret, "«" and "»" a selection.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/edit_commands.h"
#include "editor/editor_char_filter.h"
#include "editor/editor_gestures.h"
#include "editor/editor_key_handler.h"
#include "editor/editor_key_up_hook.h"
#include "editor/editor_session.h"
#include "editor/typing_assistant.h"
#include "editor/virtual_keys.h"
#include "engine/gbk_text.h"
#include "engine/text_buffer.h"
#include "support/calc_harness.h"

namespace tabulex::testing {

inline constexpr std::string_view kSelectionStart = "«";
inline constexpr std::string_view kSelectionEnd = "»";

// A TextBuffer that announces every change of its text.
class NotifyingBuffer final : public EditorBuffer {
 public:
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
    Changed();
  }
  void SetText(std::string_view text) override {
    m_text.SetText(text);
    Changed();
  }

  // Text and selection without announcing them, as a test's starting point.
  void Load(std::string_view gbk, std::size_t start, std::size_t length) {
    m_text.SetText(gbk);
    m_text.Select(start, length);
  }

  std::function<void()> onTextChanged;
  int changes{0};

 private:
  void Changed() {
    ++changes;
    if (onTextChanged) onTextChanged();
  }

  TextBuffer m_text;
};

class FakeWindow final : public WindowActions {
 public:
  bool IsFullScreen() const override { return fullScreen; }
  void ToggleFullScreen() override {
    fullScreen = !fullScreen;
    ++toggles;
  }
  // The window's clear-all command; what it does to the text is EditCommands' part.
  void ClearAll() override { ++clearAlls; }
  int WindowLeft() const override { return left; }
  int WindowTop() const override { return top; }
  void MoveWindowTo(int newLeft, int newTop) override {
    left = newLeft;
    top = newTop;
    moves.emplace_back(newLeft, newTop);
  }

  bool fullScreen{false};
  int toggles{0};
  int clearAlls{0};
  int left{0};
  int top{0};
  std::vector<std::pair<int, int>> moves;
};

// The code point of the UTF-8 character at the front of text and its length in bytes.
inline std::pair<char32_t, std::size_t> FirstCodePoint(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
  for (std::size_t i = 1; i < length && i < text.size(); ++i) {
    code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
  }
  return {code, length};
}

// The key that types an ASCII character on the main keyboard, 0 for others.
inline int MainKeyboardKey(char32_t character) {
  if (character >= U'0' && character <= U'9') return vk::kDigit0 + int(character - U'0');
  if (character >= U'a' && character <= U'z') return int(character - U'a') + 'A';
  if (character >= U'A' && character <= U'Z') return int(character);
  if (character == U' ') return vk::kSpace;
  return 0;
}

class EditorHarness {
 public:
  EditorHarness() {
    undo.SetLimit(50);
    buffer.onTextChanged = [this] { assistant.OnTextChanged(); };
  }
  EditorHarness(const EditorHarness&) = delete;
  EditorHarness& operator=(const EditorHarness&) = delete;

  // Replaces text and selection without a change event.
  void Load(std::string_view utf8) {
    std::string text(utf8);
    std::size_t start = std::string::npos;
    std::size_t end = std::string::npos;
    if (const std::size_t mark = text.find(kCaretMark); mark != std::string::npos) {
      text.erase(mark, kCaretMark.size());
      start = end = Utf8ToGbk(text.substr(0, mark)).size();
    } else if (const std::size_t open = text.find(kSelectionStart); open != std::string::npos) {
      text.erase(open, kSelectionStart.size());
      const std::size_t close = text.find(kSelectionEnd);
      text.erase(close, kSelectionEnd.size());
      start = Utf8ToGbk(text.substr(0, open)).size();
      end = Utf8ToGbk(text.substr(0, close)).size();
    }
    const std::string gbk = Utf8ToGbk(text);
    if (start == std::string::npos) start = end = gbk.size();
    buffer.Load(gbk, start, end - start);
  }

  // Load, and record it as the history's first snapshot, as the start-up does.
  void Start(std::string_view utf8) {
    Load(utf8);
    undo.RecordSnapshot(buffer);
  }

  // The text in UTF-8 with "▮" at the caret, or "«" "»" around the selection.
  std::string Shown() const {
    const std::string text = buffer.Text();
    const std::size_t start = buffer.Caret();
    const std::size_t end = start + buffer.SelectionLength();
    if (start == end) {
      return GbkToUtf8(text.substr(0, start)) + std::string(kCaretMark) +
             GbkToUtf8(text.substr(start));
    }
    return GbkToUtf8(text.substr(0, start)) + std::string(kSelectionStart) +
           GbkToUtf8(text.substr(start, end - start)) + std::string(kSelectionEnd) +
           GbkToUtf8(text.substr(end));
  }

  // One keystroke: key handler; unless discarded, the editor's own Backspace or the typed
  // character through the filter; then the release.
  KeyDisposition Key(int virtualKey, int modifiers = 0, std::string_view utf8Char = {}) {
    const KeyDisposition disposition = keys.OnKeyDown(virtualKey, modifiers);
    if (disposition == KeyDisposition::Proceed) {
      if (virtualKey == vk::kBackspace) {
        if (buffer.SelectionLength() == 0 && buffer.Caret() > 0) {
          buffer.Select(buffer.Caret() - 1, 1);  // widens to a whole two-byte character
        }
        buffer.ReplaceSelection("");
      } else if (!utf8Char.empty() &&
                 charFilter.OnChar(FirstCodePoint(utf8Char).first) == KeyDisposition::Proceed) {
        buffer.ReplaceSelection(Utf8ToGbk(utf8Char));
      }
    }
    keyUp.OnKeyUp(virtualKey);
    return disposition;
  }

  // Types each character on the main keyboard.
  void Type(std::string_view utf8) {
    while (!utf8.empty()) {
      const auto [code, length] = FirstCodePoint(utf8);
      Key(MainKeyboardKey(code), 0, utf8.substr(0, length));
      utf8.remove_prefix(length);
    }
  }

  static std::string LastOf(const RecordingStatus& sink) {
    return sink.messages.empty() ? std::string() : GbkToUtf8(sink.messages.back());
  }

  NotifyingBuffer buffer;
  CalcSettings settings;
  CalculationState state;
  RecordingStatus messages;       // status bar part 0
  RecordingStatus caretPosition;  // status bar part 1
  RecordingClipboard clipboard;
  FakeTicks ticks;
  UndoHistory undo;
  FakeWindow window;
  EditorSession session{buffer,    settings, state, messages, caretPosition,
                        clipboard, ticks,    undo,  window};
  TypingAssistant assistant{session};
  EditorCharFilter charFilter{session};
  EditorKeyHandler keys{session};
  EditorKeyUpHook keyUp{session};
  EditorGestures gestures{session};
  EditCommands commands{session};
};

}  // namespace tabulex::testing
