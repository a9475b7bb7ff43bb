// An INI text held in memory, read and changed the way the Windows profile functions treat
// a GBK profile file. It does no file I/O (see ConfigFile), so any bytes can be fed to it.
//
// - Lines end with LF or CR LF (at the very end of the text also with a lone CR or nothing);
//   every line a write does not touch is kept byte for byte, and lines it adds end with CR LF.
// - A section header is a line whose first non-blank byte is "[" and that holds a "]"; the
//   name is the text up to the last "]", without surrounding blanks.
// - Any other line holding "=" is a key line: the key is the text before the first "=",
//   without leading blanks but with its trailing ones (they belong to the key); the value is
//   the rest, without surrounding blanks and without one pair of enclosing quotes ("..." or
//   '...'). Lines before the first header, and lines without "=", are no keys. ";" starts no
//   comment of its own: such a line is a key line whose key begins with ";".
// - Section and key names match case-insensitively for ASCII letters only; two-byte GBK
//   characters (whose trail byte may look like a letter) must match exactly. The first
//   matching section and, inside it, the first matching key win. Names given to ReadKey and
//   WriteKey are taken like the file's: blanks around a section name and before a key name
//   do not count, blanks after a key name do.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex {

class IniDocument {
 public:
  // A value read is cut to this many bytes, never inside a two-byte character.
  static constexpr std::size_t kMaxValueBytes = 10239;

  IniDocument() = default;
  explicit IniDocument(std::string_view text);

  // The value of the key, or defaultText when the section or key is missing (or the key
  // name is empty).
  std::string ReadKey(std::string_view section, std::string_view key,
                      std::string_view defaultText = {}) const;

  // Sets the key: replaces the first matching key's value, else adds the key after the
  // section's last non-blank line, else adds the section and the key at the end. A value is
  // written up to its first CR or LF, so it can never add lines; a value with surrounding
  // blanks or enclosing quotes is written in double quotes so that it reads back unchanged.
  // Refuses (false) names that could not be read back: a section name holding CR or LF or
  // ending in a stray GBK lead byte; an empty key, or one holding "=", CR or LF, or starting
  // with "[".
  bool WriteKey(std::string_view section, std::string_view key, std::string_view value);

  // The whole text; equal to the parsed text as long as nothing was written.
  std::string Text() const;

 private:
  enum class LineEnd { None, Lf, CrLf, Cr };
  struct Line {
    std::string text;  // without its line end
    LineEnd end{LineEnd::None};
  };
  struct Location {
    std::optional<std::size_t> section;  // the first matching header
    std::optional<std::size_t> key;      // the first matching key line inside it
    std::size_t lastEntry{0};            // the section's last non-blank line
  };

  Location Find(std::string_view foldedSection, std::string_view foldedKey) const;

  std::vector<Line> m_lines{};
};

}  // namespace tabulex
