// The desktop program's own command line: the one list of its options and environment
// variables, which the help text is written from (and a manual page can be checked against),
// and the reading that takes those options out of the arguments before Qt sees the rest.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tabulex {

enum class DesktopRequest { Run, ShowHelp, ShowVersion };

struct DesktopOption {
  DesktopRequest request{DesktopRequest::Run};  // what the option asks for; --run-dir runs
  std::string_view shortName{};                 // "-h", or empty
  std::string_view longName{};                  // "--run-dir"
  std::string_view valueName{};                 // "DIR", or empty when the option takes no value
  std::string_view description{};               // lines separated by "\n"
};

struct DesktopVariable {
  std::string_view name{};
  std::string_view description{};  // lines separated by "\n"
};

std::span<const DesktopOption> DesktopOptions();
std::span<const DesktopVariable> DesktopVariables();

struct DesktopCommandLine {
  DesktopRequest request{DesktopRequest::Run};
  std::optional<std::string> runDir{};  // --run-dir DIR or --run-dir=DIR
};

// Takes the program's own options out of argv (argc shrinks, argv[argc] becomes null); Qt's
// options, the file and everything after "--" stay, in their order. The first --help or
// --version decides, whatever follows it.
DesktopCommandLine TakeDesktopOptions(int& argc, char** argv);

// "Usage: tabulex [OPTION]... [FILE]", the options, the environment and Qt's own options.
std::string DesktopHelpText();

// "tabulex (Tabulex) 6.2.3" (no line end), as tabulex-calc --version writes its own.
std::string DesktopVersionLine();

}  // namespace tabulex
