// Where the configuration file, the single-instance lock file and the text backup live.
//
// Portable use keeps them in "Tabulo运行文件" next to the executable; an installed program
// (whose directory the user cannot write) keeps them in
// $XDG_CONFIG_HOME/tabulex/Tabulo运行文件 instead. --run-dir DIR, then the variable
// TABULEX_RUN_DIR, override both. File names are UTF-8 on disk.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tabulex {

inline constexpr char kRunFilesDirectoryName[] = "Tabulo运行文件";

// What the choice depends on; an unset or empty text counts as absent.
struct RunFilesInputs {
  std::optional<std::string> runDirOption{};    // --run-dir
  std::optional<std::string> runDirVariable{};  // TABULEX_RUN_DIR
  std::optional<std::string> xdgConfigHome{};   // XDG_CONFIG_HOME
  std::optional<std::string> home{};            // HOME
  std::optional<std::filesystem::path> executableDirectory{};
};

// True when the directory exists and this process may create files in it.
using WritableTest = std::function<bool(const std::filesystem::path&)>;

// The override if any; else the directory next to the executable when it or the executable's
// directory is writable (on a first run it does not exist yet, and the first shutdown creates
// it there) and the executable is not installed in a system directory (under /usr, /bin,
// /sbin); else the XDG location ($HOME/.config when XDG_CONFIG_HOME is unset, empty or
// relative). With no usable home either, the directory next to the executable, where writes
// then simply fail.
std::filesystem::path ResolveRunFilesDirectory(const RunFilesInputs& inputs,
                                               const WritableTest& isWritable);

// ResolveRunFilesDirectory for this process: /proc/self/exe, getenv and access(W_OK).
std::filesystem::path RunFilesDirectory(const std::optional<std::string>& runDirOption);

struct RunFilesPaths {
  std::filesystem::path directory;
  std::filesystem::path configFile;  // Tabulo配置文件.ini
  std::filesystem::path lockFile;    // fzdk
  std::filesystem::path backupFile;  // Tabulo备份文件.txt
};

RunFilesPaths RunFilesPathsIn(const std::filesystem::path& directory);

}  // namespace tabulex
