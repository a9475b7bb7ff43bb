#include "settings/ini_document.h"

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  return text.substr(start);
}

std::string_view TrimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string_view Trim(std::string_view text) {
  return TrimRight(TrimLeft(text));
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Lower-cases the ASCII letters that stand alone. Folding never moves a character boundary
// (lead bytes are never letters), so two names match exactly when their folded forms do.
std::string FoldCase(std::string_view name) {
  std::string folded(name);
  for (std::size_t i = 0; i < name.size(); i += GbkCharLength(name, i)) {
    if (GbkCharLength(name, i) == 1) folded[i] = LowerAscii(name[i]);
  }
  return folded;
}

bool MatchesFolded(std::string_view name, std::string_view folded) {
  if (name.size() != folded.size()) return false;
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t length = GbkCharLength(name, i);
    if (length == 1 ? LowerAscii(name[i]) != folded[i] : name.compare(i, 2, folded, i, 2) != 0) {
      return false;
    }
    i += length;
  }
  return true;
}

// "]" (0x5D) can be the trail byte of a two-byte character, so the line is walked by
// characters to find the closing bracket.
std::optional<std::string_view> HeaderName(std::string_view line) {
  line = TrimLeft(line);
  if (line.empty() || line[0] != '[') return std::nullopt;
  std::optional<std::size_t> close;
  for (std::size_t i = 1; i < line.size(); i += GbkCharLength(line, i)) {
    if (line[i] == ']' && GbkCharLength(line, i) == 1) close = i;
  }
  if (!close) return std::nullopt;
  return Trim(line.substr(1, *close - 1));
}

struct KeyLine {
  std::string_view key;
  std::size_t valueStart;  // offset in the line, just after the "="
};

// "=" is below every GBK trail byte, so a byte search finds the right one.
std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::size_t start = 0;
  while (start < equals && IsBlank(line[start])) ++start;
  return KeyLine{line.substr(start, equals - start), equals + 1};
}

std::size_t CutLength(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text.size();
  std::size_t end = 0;
  while (end + GbkCharLength(text, end) <= maxBytes) end += GbkCharLength(text, end);
  return end;
}

bool IsEnclosedInQuotes(std::string_view text) {
  return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
         text.back() == text.front();
}

std::string DecodeValue(std::string_view raw) {
  std::string_view value = Trim(raw);
  if (IsEnclosedInQuotes(value)) value = value.substr(1, value.size() - 2);
  return std::string(value.substr(0, CutLength(value, IniDocument::kMaxValueBytes)));
}

// Only the first line of a value is written: a line break in a value must never turn its
// remainder into keys or sections of their own.
std::string EncodeValue(std::string_view value) {
  value = value.substr(0, value.find_first_of("\r\n"));
  const bool quote = !value.empty() &&
                     (IsBlank(value.front()) || IsBlank(value.back()) || IsEnclosedInQuotes(value));
  return quote ? "\"" + std::string(value) + "\"" : std::string(value);
}

bool EndsWithStrayLeadByte(std::string_view text) {
  std::size_t last = text.size();
  for (std::size_t i = 0; i < text.size(); i += GbkCharLength(text, i)) last = i;
  return last < text.size() && GbkCharLength(text, last) == 1 &&
         IsGbkLeadByte(static_cast<unsigned char>(text[last]));
}

// A stray lead byte at the end would swallow the closing "]" when the header is read back.
bool IsWritableSection(std::string_view name) {
  return name.find_first_of("\r\n") == std::string_view::npos && !EndsWithStrayLeadByte(name);
}

bool IsWritableKey(std::string_view key) {
  return !key.empty() && key.front() != '[' && key.find_first_of("=\r\n") == std::string_view::npos;
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos) {
      std::string_view rest = text.substr(start);
      if (rest.back() == '\r') {
        m_lines.push_back(Line{std::string(rest.substr(0, rest.size() - 1)), LineEnd::Cr});
      } else {
        m_lines.push_back(Line{std::string(rest), LineEnd::None});
      }
      break;
    }
    std::size_t end = lf;
    LineEnd kind = LineEnd::Lf;
    if (end > start && text[end - 1] == '\r') {
      --end;
      kind = LineEnd::CrLf;
    }
    m_lines.push_back(Line{std::string(text.substr(start, end - start)), kind});
    start = lf + 1;
  }
}

IniDocument::Location IniDocument::Find(std::string_view foldedSection,
                                        std::string_view foldedKey) const {
  Location location;
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    const std::string_view text = m_lines[i].text;
    if (const auto name = HeaderName(text)) {
      if (location.section) break;
      if (MatchesFolded(*name, foldedSection)) location.section = location.lastEntry = i;
      continue;
    }
    if (!location.section) continue;
    if (!TrimLeft(text).empty()) location.lastEntry = i;
    const auto keyLine = ParseKeyLine(text);
    if (keyLine && MatchesFolded(keyLine->key, foldedKey)) {
      location.key = i;
      break;
    }
  }
  return location;
}

std::string IniDocument::ReadKey(std::string_view section, std::string_view key,
                                 std::string_view defaultText) const {
  const std::string foldedKey = FoldCase(TrimLeft(key));
  if (foldedKey.empty()) return std::string(defaultText);
  const Location location = Find(FoldCase(Trim(section)), foldedKey);
  if (!location.key) return std::string(defaultText);
  const std::string_view line = m_lines[*location.key].text;
  return DecodeValue(line.substr(ParseKeyLine(line)->valueStart));
}

bool IniDocument::WriteKey(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view sectionName = Trim(section);
  const std::string_view keyName = TrimLeft(key);
  if (!IsWritableSection(sectionName) || !IsWritableKey(keyName)) return false;
  const std::string encoded = EncodeValue(value);
  const Location location = Find(FoldCase(sectionName), FoldCase(keyName));

  if (location.key) {
    std::string& text = m_lines[*location.key].text;
    text.resize(text.find('=') + 1);
    text += encoded;
    return true;
  }

  // The line that now gets a successor needs a line end of its own.
  const auto terminate = [](Line& line) {
    if (line.end == LineEnd::None || line.end == LineEnd::Cr) line.end = LineEnd::CrLf;
  };
  Line keyLine{std::string(keyName) + "=" + encoded, LineEnd::CrLf};
  if (location.section) {
    terminate(m_lines[location.lastEntry]);
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(location.lastEntry) + 1,
                   std::move(keyLine));
    return true;
  }
  if (!m_lines.empty()) terminate(m_lines.back());
  m_lines.push_back(Line{"[" + std::string(sectionName) + "]", LineEnd::CrLf});
  m_lines.push_back(std::move(keyLine));
  return true;
}

std::string IniDocument::Text() const {
  std::string text;
  for (const Line& line : m_lines) {
    text += line.text;
    switch (line.end) {
      case LineEnd::None:
        break;
      case LineEnd::Lf:
        text += '\n';
        break;
      case LineEnd::CrLf:
        text += "\r\n";
        break;
      case LineEnd::Cr:
        text += '\r';
        break;
    }
  }
  return text;
}

}  // namespace tabulex
