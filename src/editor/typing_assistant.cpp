#include "editor/typing_assistant.h"

#include <string>
#include <utility>
#include <vector>

#include "editor/caret_position_display.h"
#include "engine/gbk_text.h"

namespace tabulex {

enum class LetterCase { Exact, Ignored };

struct ReplacementRule {
  std::string pattern;      // GBK
  std::string replacement;  // GBK
  LetterCase letterCase{LetterCase::Exact};
  // Where the caret goes, counted in bytes into the replacement; npos: after it.
  std::size_t caretInReplacement{std::string::npos};
};

namespace {

ReplacementRule Rule(std::string_view pattern, std::string_view replacement,
                     LetterCase letterCase = LetterCase::Exact,
                     std::size_t caretInReplacement = std::string::npos) {
  return ReplacementRule{Utf8ToGbk(pattern), Utf8ToGbk(replacement), letterCase,
                         caretInReplacement};
}

// Active with auto-replace.
const std::vector<ReplacementRule>& AutoReplaceRules() {
  static const std::vector<ReplacementRule> rules{
      Rule("××", "^"), Rule("÷÷", "√"), Rule("++", "∟"),
      Rule("……", "^"), Rule(".×", ")"), Rule(".÷", "("),
  };
  return rules;
}

// Always active.
const std::vector<ReplacementRule>& StandingRules() {
  static const std::vector<ReplacementRule> rules{
      Rule("‘", "'"),        Rule("’", "'"),  Rule("'''", "°"),
      Rule("tjfx", "tjfx("), Rule("！", "!"), Rule("pi", "π", LetterCase::Ignored),
      Rule("|", "√"),        Rule("%%", "‰"), Rule("..", "()", LetterCase::Exact, 1),
  };
  return rules;
}

// Active in laptop mode.
const std::vector<ReplacementRule>& LaptopRules() {
  static const std::vector<ReplacementRule> rules{Rule("【", "÷"), Rule("】", "×")};
  return rules;
}

const std::string& InputHint(bool enterInsertsNewLine) {
  static const std::string enterCalculates = Utf8ToGbk(" [提示]_ 表达式输入完毕按“回车键”计算！");
  static const std::string ctrlEnterCalculates =
      Utf8ToGbk(" [提示]_ 表达式输入完毕按“ctrl+回车键”计算！");
  return enterInsertsNewLine ? ctrlEnterCalculates : enterCalculates;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when a character starts at offset. The byte before it settles most cases: below 0x81
// it is a character of its own or the second byte of one.
bool IsCharacterStart(const EditorBuffer& editor, std::size_t offset) {
  if (offset == 0 || static_cast<unsigned char>(editor.ByteAt(offset - 1)) < 0x81) return true;
  return CharStartIn(editor, offset) == offset;
}

// The pattern's characters stand right before the caret. Whole characters only: the second
// byte of a Chinese character may be "p" or "|", and must not count as one.
bool StandsBeforeCaret(const EditorBuffer& editor, std::size_t caret, const ReplacementRule& rule) {
  const std::size_t length = rule.pattern.size();
  if (length > caret) return false;
  const std::size_t start = caret - length;
  for (std::size_t i = 0; i < length; ++i) {
    char byte = editor.ByteAt(start + i);
    if (rule.letterCase == LetterCase::Ignored) byte = Lower(byte);
    if (byte != rule.pattern[i]) return false;
  }
  return IsCharacterStart(editor, start);
}

}  // namespace

void TypingAssistant::OnTextChanged() {
  ++m_generation;
  // Taken at the start, so that only the run raised by the replacement itself leaves out
  // its snapshot.
  const bool snapshotDeferred = std::exchange(m_snapshotDeferred, false);
  EditorBuffer& editor = m_session.editor;
  const CalcSettings& settings = m_session.settings;

  CaretPositionDisplay(editor, m_session.caretPosition);
  m_session.messages.ShowStatus(InputHint(settings.enterInsertsNewLine));
  if (settings.autoReplace) ApplyFirstMatch(AutoReplaceRules());
  ApplyFirstMatch(StandingRules());

  // A replacement above has been recorded by the run it raised, unless the caret moved since.
  if (!snapshotDeferred && m_recordedGeneration != m_generation) {
    const bool records = !m_session.undo.SuppressNextSnapshot();
    m_session.undo.RecordSnapshot(editor);
    if (records) m_recordedGeneration = m_generation;
  }

  if (settings.laptopMode) ApplyFirstMatch(LaptopRules());
}

void TypingAssistant::ApplyFirstMatch(std::span<const ReplacementRule> table) {
  EditorBuffer& editor = m_session.editor;
  const std::size_t caret = editor.Caret();
  for (const ReplacementRule& rule : table) {
    if (!StandsBeforeCaret(editor, caret, rule)) continue;
    const std::size_t start = caret - rule.pattern.size();
    const bool placesCaret = rule.caretInReplacement != std::string::npos;
    // The inner run would record the caret after the replacement; the caret's place is only
    // known here, so this run records instead.
    m_snapshotDeferred = placesCaret;
    editor.Select(start, rule.pattern.size());
    editor.ReplaceSelection(rule.replacement);  // raises the inner run
    m_snapshotDeferred = false;
    if (placesCaret) {
      editor.SetCaret(start + rule.caretInReplacement);
      ++m_generation;
      CaretPositionDisplay(editor, m_session.caretPosition);
    }
    return;
  }
}

}  // namespace tabulex
