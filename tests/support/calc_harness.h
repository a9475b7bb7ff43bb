// A line calculation on an in-memory editor with recording platform services. Texts are
// given in UTF-8; "▮" marks the caret (the end of the text when absent).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_context.h"
#include "engine/text_buffer.h"

namespace tabulex::testing {

inline constexpr std::string_view kCaretMark = "▮";

class RecordingStatus final : public StatusSink {
 public:
  void ShowStatus(std::string_view gbkText) override { messages.emplace_back(gbkText); }
  std::vector<std::string> messages;  // GBK, in order
};

class RecordingClipboard final : public Clipboard {
 public:
  void SetText(std::string_view gbkText) override { texts.emplace_back(gbkText); }
  std::vector<std::string> texts;
};

// Advances by a fixed step on every reading, so elapsed times are known.
class FakeTicks final : public TickSource {
 public:
  std::uint64_t NowMilliseconds() override {
    const std::uint64_t now = m_now;
    m_now += step;
    return now;
  }
  std::uint64_t step{0};

 private:
  std::uint64_t m_now{1000};
};

class CalcHarness {
 public:
  CalcContext Context() { return CalcContext{buffer, settings, state, status, clipboard, ticks}; }

  // Replaces the text; "▮" marks the caret.
  void Load(std::string_view utf8WithCaret);
  // The text in UTF-8 with "▮" at the caret.
  std::string Shown() const;
  // The last status message in UTF-8, or "" when none was shown.
  std::string LastStatus() const;

  // Load, then CalculateCurrentLine.
  void Calculate(std::string_view utf8WithCaret);
  // Load, then FractionConversion.
  void Convert(std::string_view utf8WithCaret);

  TextBuffer buffer;
  CalcSettings settings;
  CalculationState state;
  RecordingStatus status;
  RecordingClipboard clipboard;
  FakeTicks ticks;
};

// The status text "  [kind]_message" in UTF-8.
std::string Status(std::string_view kind, std::string_view message);

}  // namespace tabulex::testing
