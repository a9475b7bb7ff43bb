#include "settings/run_files_directory.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace tabulex {
namespace {

std::optional<std::string> NonEmpty(const std::optional<std::string>& text) {
  if (text && !text->empty()) return text;
  return std::nullopt;
}

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::optional<std::filesystem::path> ExecutableDirectory() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !executable.has_parent_path()) return std::nullopt;
  return executable.parent_path();
}

bool IsWritableDirectory(const std::filesystem::path& directory) {
  std::error_code error;
  return std::filesystem::is_directory(directory, error) &&
         ::access(directory.c_str(), W_OK | X_OK) == 0;
}

// A program installed by a package or `cmake --install` (under /usr, or in /bin or /sbin) keeps
// its files in the user's configuration home, even where it could write next to itself (as
// root): a system directory is no place for one user's settings.
bool IsSystemProgramDirectory(const std::filesystem::path& directory) {
  const std::filesystem::path normal = directory.lexically_normal();
  auto part = normal.begin();
  if (part == normal.end() || *part != "/" || ++part == normal.end()) return false;
  return *part == "usr" || *part == "bin" || *part == "sbin";
}

}  // namespace

std::filesystem::path ResolveRunFilesDirectory(const RunFilesInputs& inputs,
                                               const WritableTest& isWritable) {
  if (const auto option = NonEmpty(inputs.runDirOption)) return *option;
  if (const auto variable = NonEmpty(inputs.runDirVariable)) return *variable;

  std::optional<std::filesystem::path> portable;
  if (inputs.executableDirectory && !inputs.executableDirectory->empty()) {
    portable = *inputs.executableDirectory / kRunFilesDirectoryName;
    const bool installed = IsSystemProgramDirectory(*inputs.executableDirectory);
    if (!installed && (isWritable(*portable) || isWritable(*inputs.executableDirectory))) {
      return *portable;
    }
  }

  std::optional<std::filesystem::path> configHome;
  const auto xdg = NonEmpty(inputs.xdgConfigHome);
  if (xdg && std::filesystem::path(*xdg).is_absolute()) {
    configHome = *xdg;
  } else if (const auto home = NonEmpty(inputs.home)) {
    configHome = std::filesystem::path(*home) / ".config";
  }
  if (configHome) return *configHome / "tabulex" / kRunFilesDirectoryName;
  return portable ? *portable : std::filesystem::path(kRunFilesDirectoryName);
}

std::filesystem::path RunFilesDirectory(const std::optional<std::string>& runDirOption) {
  const RunFilesInputs inputs{
      .runDirOption = runDirOption,
      .runDirVariable = Environment("TABULEX_RUN_DIR"),
      .xdgConfigHome = Environment("XDG_CONFIG_HOME"),
      .home = Environment("HOME"),
      .executableDirectory = ExecutableDirectory(),
  };
  return ResolveRunFilesDirectory(inputs, IsWritableDirectory);
}

RunFilesPaths RunFilesPathsIn(const std::filesystem::path& directory) {
  return RunFilesPaths{
      .directory = directory,
      .configFile = directory / "Tabulo配置文件.ini",
      .lockFile = directory / "fzdk",
      .backupFile = directory / "Tabulo备份文件.txt",
  };
}

}  // namespace tabulex
