// A document's file read into the editor's text: its encoding and line ends found (and kept
// for the save), its text cut at the end-of-text byte as an open or a drop cuts it, and what
// the editor cannot show counted, so that nothing of the file is lost without the user
// knowing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/text_file_format.h"

namespace tabulex {

// An open ends the text at the first 0x00 or 0x1A byte, a drop at the first 0x00.
enum class TextCut { Opened, Dropped };

struct TextFileContent {
  DecodedText text;
  std::size_t bytesNotOpened{0};  // from the end-of-text byte on

  // Saving the text over the file would not give the file back.
  bool SavingLoses() const { return text.unshownCharacters > 0 || bytesNotOpened > 0; }
};

// A calculator's texts are small; a bigger file (a log, a disk image) is refused with a
// message rather than freezing the window for minutes.
inline constexpr std::uintmax_t kMaxTextFileBytes = 16 * 1024 * 1024;

// The file read whole: the encoding is found on all of it (valid UTF-8, else GBK), then the
// text is cut. On failure a description for the user (a missing file, a directory, no
// permission, a file too large).
std::optional<std::string> ReadTextFile(const std::filesystem::path& path, TextCut cut,
                                        TextFileContent& content);

}  // namespace tabulex
