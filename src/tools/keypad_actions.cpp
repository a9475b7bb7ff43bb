#include "tools/keypad_actions.h"

#include <random>
#include <utility>

#include "editor/caret_position_display.h"
#include "engine/calculate_current_line.h"
#include "engine/gbk_chars.h"
#include "engine/gbk_text.h"

namespace tabulex {
namespace {

using K = KeypadKey;

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kCubeRoot = "3\xA1\xCC";  // 3√

bool IsLineBreakAt(const EditorBuffer& editor, std::size_t offset) {
  return offset + 1 < editor.Length() && editor.ByteAt(offset) == '\r' &&
         editor.ByteAt(offset + 1) == '\n';
}

bool IsPairAt(const EditorBuffer& editor, std::size_t offset) {
  return offset + 1 < editor.Length() &&
         IsGbkLeadByte(static_cast<unsigned char>(editor.ByteAt(offset))) &&
         IsGbkTrailByte(static_cast<unsigned char>(editor.ByteAt(offset + 1)));
}

// The length of the character at offset: a CR LF pair or a two-byte character count as one.
std::size_t CharacterLength(const EditorBuffer& editor, std::size_t offset) {
  return IsLineBreakAt(editor, offset) || IsPairAt(editor, offset) ? 2 : 1;
}

// Start of the character that ends at offset (offset > 0): a CR LF pair counts as one.
std::size_t PreviousCharacterStart(const EditorBuffer& editor, std::size_t offset) {
  if (offset >= 2 && editor.ByteAt(offset - 2) == '\r' && editor.ByteAt(offset - 1) == '\n') {
    return offset - 2;
  }
  return CharStartIn(editor, offset - 1);
}

}  // namespace

KeypadActions::KeypadActions(EditorSession& session, EditCommands& commands, KeypadMode mode,
                             std::function<void()> clearAll)
    : m_session{session}, m_commands{commands}, m_clearAll{std::move(clearAll)}, m_mode{mode} {}

bool KeypadActions::ActsOnRelease(KeypadKey key) {
  return key == K::Undo || key == K::Left || key == K::Right || key == K::Second ||
         key == K::LayoutToggle;
}

int KeypadActions::RandomNumber(std::uint64_t seed) {
  std::mt19937 generator(static_cast<std::mt19937::result_type>(seed ^ (seed >> 32)));
  return std::uniform_int_distribution<int>(1, 1000)(generator);
}

std::string_view KeypadActions::Caption(KeypadKey key) const {
  if (key == K::LayoutToggle) return m_mode == KeypadMode::Scientific ? "简单" : "科学";
  const KeypadKeyDefinition& definition = KeypadKeyDefinitionOf(key);
  return m_second && !definition.secondCaption.empty() ? definition.secondCaption
                                                       : definition.caption;
}

KeypadFocus KeypadActions::Press(KeypadKey key) {
  switch (key) {
    case K::Second:
      m_second = !m_second;
      break;
    case K::LayoutToggle:
      m_mode = m_mode == KeypadMode::Scientific ? KeypadMode::Compact : KeypadMode::Scientific;
      break;
    case K::Factorial:
      Insert("!");
      break;
    case K::FractionSeparator:
      // The caption shows the full-width comma; the list separator the calculation reads
      // is the ASCII one.
      Insert(m_second ? std::string_view(",") : gbk::kFractionSeparator);
      break;
    case K::ClearAll:
      if (m_clearAll) m_clearAll();
      break;
    case K::NewLine:
      Insert(kLineBreak);
      break;
    case K::Undo:
      m_session.undo.Undo(m_session.editor);
      break;
    case K::Square:
      Insert(m_second ? gbk::kRoot : std::string_view("^2"));
      break;
    case K::Cube:
      Insert(m_second ? kCubeRoot : std::string_view("^3"));
      break;
    case K::Power:
      if (m_second) {
        InsertAround("1/(", ")");
      } else {
        Insert("^");
      }
      break;
    case K::Left:
      StepLeft();
      break;
    case K::Right:
      StepRight();
      break;
    case K::PasteResult:
      m_commands.PasteResult();
      break;
    case K::Back:
      DeleteBack();
      break;
    case K::Brackets:
      InsertAround("(", ")");
      break;
    case K::Pi:
      if (m_second) {
        // Seeded from the tick count for each draw.
        Insert(std::to_string(RandomNumber(m_session.ticks.NowMilliseconds())));
      } else {
        Insert(gbk::kPi);
      }
      break;
    case K::Equals:
      // The calculate key's request; it applies the new-line options of either key itself.
      CalculateCurrentLine(m_session.Calc());
      break;
    default:
      // Digits, operators, ".", "int" and the functions insert what they show.
      InsertCaption(key);
      break;
  }
  // "sinh" leaves the focus on the keypad: its argument is usually typed there next.
  return key == K::Sinh ? KeypadFocus::Keypad : KeypadFocus::Editor;
}

void KeypadActions::Insert(std::string_view gbk) {
  m_session.editor.ReplaceSelection(gbk);
}

void KeypadActions::InsertAround(std::string_view before, std::string_view after) {
  EditorBuffer& editor = m_session.editor;
  editor.ReplaceSelection(std::string(before) + std::string(after));
  editor.SetCaret(editor.Caret() - after.size());
  ShowCaretPosition();
}

void KeypadActions::InsertCaption(KeypadKey key) {
  Insert(Utf8ToGbk(Caption(key)));
}

void KeypadActions::StepLeft() {
  EditorBuffer& editor = m_session.editor;
  const std::size_t caret = editor.Caret();
  if (caret == 0) return;
  editor.SetCaret(PreviousCharacterStart(editor, caret));
  ShowCaretPosition();
}

void KeypadActions::StepRight() {
  EditorBuffer& editor = m_session.editor;
  const std::size_t caret = editor.Caret();
  if (caret >= editor.Length()) return;
  editor.SetCaret(caret + CharacterLength(editor, caret));
  ShowCaretPosition();
}

// The whole text is put back without the character, so the typing assistant sees the caret
// at the start of the text: removing the "(" after "tjfx" does not bring it back, as it would
// if only the character were taken out.
void KeypadActions::DeleteBack() {
  EditorBuffer& editor = m_session.editor;
  const std::size_t caret = editor.Caret();
  if (caret == 0) return;
  const std::size_t start = PreviousCharacterStart(editor, caret);
  std::string text = editor.Text();
  text.erase(start, caret - start);
  editor.SetText(text);
  editor.SetCaret(start);
  ShowCaretPosition();
}

void KeypadActions::ShowCaretPosition() {
  CaretPositionDisplay(m_session.editor, m_session.caretPosition);
}

}  // namespace tabulex
