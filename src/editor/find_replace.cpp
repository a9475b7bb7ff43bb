#include "editor/find_replace.h"

#include <string_view>

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Lower-cases the single-byte ASCII letters. Bytes of two-byte characters stay as they are,
// so two different characters never become equal and the character boundaries do not move.
void FoldLetterCase(std::string& gbk) {
  for (std::size_t at = 0; at < gbk.size();) {
    const std::size_t length = GbkCharLength(gbk, at);
    if (length == 1 && gbk[at] >= 'A' && gbk[at] <= 'Z') gbk[at] = static_cast<char>(gbk[at] + 32);
    at += length;
  }
}

// The first character boundary at or after offset.
std::size_t BoundaryFrom(std::string_view text, std::size_t offset) {
  const std::size_t start = GbkCharStart(text, offset);
  return start == offset || start >= text.size() ? start : start + GbkCharLength(text, start);
}

// The first occurrence at a character boundary at or after from, which must be a boundary.
// Candidates come from a plain byte search; the boundary walk only moves forward, so a
// search costs one pass however many candidates fall inside characters.
std::size_t FindFrom(std::string_view text, std::string_view pattern, std::size_t from) {
  std::size_t boundary = from;
  for (std::size_t candidate = text.find(pattern, from); candidate != kNone;
       candidate = text.find(pattern, candidate + 1)) {
    while (boundary < candidate) boundary += GbkCharLength(text, boundary);
    if (boundary == candidate) return candidate;
  }
  return kNone;
}

// The last occurrence that ends at or before end.
std::size_t FindLastBefore(std::string_view text, std::string_view pattern, std::size_t end) {
  const std::string_view head = text.substr(0, end);
  std::size_t last = kNone;
  for (std::size_t at = FindFrom(head, pattern, 0); at != kNone;
       at = FindFrom(head, pattern, at + GbkCharLength(head, at))) {
    last = at;
  }
  return last;
}

}  // namespace

bool Find(EditorBuffer& editor, const FindState& state, FindDirection direction,
          FindAction action) {
  if (state.searchText.empty()) return false;
  std::string text = editor.Text();
  std::string pattern = state.searchText;
  if (!state.caseOption) {
    FoldLetterCase(text);
    FoldLetterCase(pattern);
  }
  const std::size_t start = editor.Caret();
  std::size_t found =
      direction == FindDirection::Forward
          ? FindFrom(text, pattern, BoundaryFrom(text, start + editor.SelectionLength()))
          : FindLastBefore(text, pattern, start);
  if (found == kNone) found = FindFrom(text, pattern, 0);
  if (found == kNone) {
    editor.SetCaret(0);
    return false;
  }
  editor.Select(found, pattern.size());
  if (action == FindAction::Replace) editor.ReplaceSelection(state.replacement);
  return true;
}

std::size_t ReplaceAll(EditorBuffer& editor, const FindState& state) {
  const std::string_view pattern = state.searchText;
  if (pattern.empty()) return 0;
  const std::string text = editor.Text();
  std::string result;
  std::size_t copied = 0;
  std::size_t count = 0;
  for (std::size_t at = FindFrom(text, pattern, 0); at != kNone;
       at = FindFrom(text, pattern, at + pattern.size())) {
    if (count == 0) result.reserve(text.size());
    result.append(text, copied, at - copied);
    result += state.replacement;
    copied = at + pattern.size();
    ++count;
  }
  // An unchanged text is left alone: setting it would still count as an edit.
  if (count == 0) return 0;
  result.append(text, copied);
  editor.SetText(result);
  return count;
}

}  // namespace tabulex
