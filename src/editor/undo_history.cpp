#include "editor/undo_history.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tabulex {
namespace {

// Whole blocks go through memcmp, which is many times faster than a byte loop; only the
// block that differs is walked byte by byte.
constexpr std::size_t kCompareBlock = 256;

std::size_t CommonPrefix(const char* a, const char* b, std::size_t length) {
  std::size_t same = 0;
  while (same + kCompareBlock <= length && std::memcmp(a + same, b + same, kCompareBlock) == 0) {
    same += kCompareBlock;
  }
  while (same < length && a[same] == b[same]) ++same;
  return same;
}

// aEnd and bEnd point behind the last bytes compared.
std::size_t CommonSuffix(const char* aEnd, const char* bEnd, std::size_t length) {
  std::size_t same = 0;
  while (same + kCompareBlock <= length &&
         std::memcmp(aEnd - same - kCompareBlock, bEnd - same - kCompareBlock, kCompareBlock) ==
             0) {
    same += kCompareBlock;
  }
  while (same < length && aEnd[-1 - same] == bEnd[-1 - same]) ++same;
  return same;
}

// Heap bytes of a string; a short one lives inside the string object itself.
std::size_t HeapBytes(const std::string& text) {
  static const std::size_t inlineCapacity = std::string().capacity();
  return text.capacity() > inlineCapacity ? text.capacity() + 1 : 0;
}

}  // namespace

void UndoHistory::SetLimit(int limit) {
  m_limit = limit < 1 ? kDefaultLimit : std::min(limit, kCapacity);
}

UndoHistory::Step UndoHistory::Difference(const std::string& from, const std::string& to) {
  const std::size_t shorter = std::min(from.size(), to.size());
  const std::size_t prefix = CommonPrefix(from.data(), to.data(), shorter);
  const std::size_t suffix =
      CommonSuffix(from.data() + from.size(), to.data() + to.size(), shorter - prefix);
  return Step{prefix, to.size() - prefix - suffix,
              from.substr(prefix, from.size() - prefix - suffix)};
}

void UndoHistory::Cross(Step& step) {
  std::string other = m_text.substr(step.prefix, step.span);
  const std::size_t size = m_text.size() - step.span + step.bytes.size();
  if (size > m_text.capacity()) {
    // Growing in place would double the capacity: a second megabyte for one keystroke.
    std::string text;
    text.reserve(size);
    text.append(m_text, 0, step.prefix).append(step.bytes).append(m_text, step.prefix + step.span);
    m_text = std::move(text);
  } else {
    m_text.replace(step.prefix, step.span, step.bytes);
    if (m_text.capacity() / 2 > m_text.size()) m_text.shrink_to_fit();
  }
  step.span = step.bytes.size();
  step.bytes = std::move(other);
}

void UndoHistory::RecordSnapshot(const EditorBuffer& editor) {
  if (std::exchange(m_suppressNextSnapshot, false)) return;

  // Redo states are discarded.
  m_carets.resize(static_cast<std::size_t>(m_current));
  m_steps.resize(m_current > 0 ? static_cast<std::size_t>(m_current - 1) : 0);

  // At the limit the window slides: the oldest snapshot goes, and the new one takes the
  // place after the current one as it would while growing. The limit is at least 1, so
  // there is a current snapshot here.
  if (m_current >= m_limit) {
    m_carets.pop_front();
    if (!m_steps.empty()) m_steps.pop_front();
    --m_current;
  }

  std::string text = editor.Text();
  if (m_current > 0) m_steps.push_back(Difference(m_text, text));
  m_text = std::move(text);
  m_carets.push_back(editor.Caret());
  ++m_current;
}

void UndoHistory::Undo(EditorBuffer& editor) {
  if (m_current <= 1) return;
  --m_current;
  Cross(m_steps[static_cast<std::size_t>(m_current - 1)]);
  Restore(editor);
}

void UndoHistory::Redo(EditorBuffer& editor) {
  if (Top() <= m_current) return;
  Cross(m_steps[static_cast<std::size_t>(m_current - 1)]);
  ++m_current;
  Restore(editor);
}

void UndoHistory::Restore(EditorBuffer& editor) {
  // Set before the text: setting it runs RecordSnapshot at once, which must skip it.
  m_suppressNextSnapshot = true;
  editor.SetText(m_text);
  editor.SetCaret(m_carets[static_cast<std::size_t>(m_current - 1)]);
}

bool UndoHistory::SuppressNextSnapshot() const {
  return m_suppressNextSnapshot;
}

int UndoHistory::Current() const {
  return m_current;
}

int UndoHistory::Top() const {
  return static_cast<int>(m_carets.size());
}

std::size_t UndoHistory::StoredBytes() const {
  std::size_t bytes = HeapBytes(m_text) + m_carets.size() * sizeof(std::size_t);
  for (const Step& step : m_steps) bytes += sizeof(Step) + HeapBytes(step.bytes);
  return bytes;
}

}  // namespace tabulex
