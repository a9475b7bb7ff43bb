// Replacing a file's content atomically: a temporary file in the same directory, flushed to
// disk, then renamed over the old one. An interrupted or failed write leaves the old file as
// it was and no temporary file behind; an existing file keeps its permission bits.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabulex {

// Returns a description of the failure, or nothing on success.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view bytes);

}  // namespace tabulex
