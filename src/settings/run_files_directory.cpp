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

}  // namespace

std::filesystem::path ResolveRunFilesDirectory(const RunFilesInputs& inputs,
                                               const WritableTest& isWritable) {
  if (const auto option = NonEmpty(inputs.runDirOption)) return *option;
  if (const auto variable = NonEmpty(inputs.runDirVariable)) return *variable;

  std::optional<std::filesystem::path> portable;
  if (inputs.executableDirectory && !inputs.executableDirectory->empty()) {
    portable = *inputs.executableDirectory / kRunFilesDirectoryName;
    if (isWritable(*portable) || isWritable(*inputs.executableDirectory)) return *portable;
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
