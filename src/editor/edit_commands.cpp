#include "editor/edit_commands.h"

#include <array>
#include <string>

#include "editor/content_backup.h"
#include "engine/gbk_text.h"

namespace tabulex {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr int kSeparatorLength = 106;
constexpr std::string_view kSeparatorChar = "\xA9\xA5";  // ━

// What the menu inserts: most names with the full-width bracket, which the calculation reads
// as "(", and "sinh" without a bracket.
constexpr std::array<InsertFunctionItem, 16> kInsertFunctionItems{{
    {"sin(", "sin("},
    {"sinh(", "sinh"},
    {"asin(", ""},
    {"asinh(", "asinh（"},
    {"cos(", "cos（"},
    {"cosh(", ""},
    {"acos(", "acos（"},
    {"acosh(", ""},
    {"tan(", "tan（"},
    {"tanh(", ""},
    {"atan(", ""},
    {"atanh(", "atanh（"},
    {"lg(", "lg（"},
    {"log( ,", "log（,"},
    {"ln(", "ln（"},
    {"int(", "int（"},
}};

std::string Repeated(std::string_view piece, int count) {
  std::string text;
  text.reserve(piece.size() * static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

}  // namespace

std::span<const InsertFunctionItem> EditCommands::InsertFunctionItems() {
  return kInsertFunctionItems;
}

void EditCommands::PasteResult() {
  const std::string& result = m_session.state.lastResult;
  if (result.empty()) return;
  m_session.editor.ReplaceSelection(result);
}

void EditCommands::ClearAll() {
  m_session.editor.SetText(BlankDocument());
}

void EditCommands::DeleteCurrentLine() {
  EditorBuffer& editor = m_session.editor;
  const std::size_t length = editor.Length();
  const std::size_t caret = std::min(editor.Caret(), length);
  std::size_t start = caret;
  while (start > 0 && editor.ByteAt(start - 1) != '\n') --start;
  std::size_t end = start;
  while (end < length &&
         !(editor.ByteAt(end) == '\r' && end + 1 < length && editor.ByteAt(end + 1) == '\n')) {
    ++end;
  }
  if (end == start) {
    editor.SetCaret(start);
    return;
  }
  editor.Select(start, end - start);
  editor.ReplaceSelection("");
}

void EditCommands::InsertSeparatorLine() {
  static const std::string separator = std::string(kLineBreak) +
                                       Repeated(kSeparatorChar, kSeparatorLength) +
                                       std::string(kLineBreak);
  m_session.editor.ReplaceSelection(separator);
}

void EditCommands::InsertFunction(std::string_view caption) {
  for (const InsertFunctionItem& item : kInsertFunctionItems) {
    if (item.caption != caption) continue;
    if (!item.text.empty()) m_session.editor.ReplaceSelection(Utf8ToGbk(item.text));
    return;
  }
}

}  // namespace tabulex
