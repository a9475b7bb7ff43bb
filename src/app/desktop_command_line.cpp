#include "app/desktop_command_line.h"

#include <array>
#include <utility>

#include "version/version.h"

namespace tabulex {
namespace {

constexpr std::array kOptions{
    DesktopOption{DesktopRequest::Run, "", "--run-dir", "DIR",
                  "keep the settings, the single-instance lock and the kept\n"
                  "text in DIR"},
    DesktopOption{DesktopRequest::ShowHelp, "-h", "--help", "", "show this help and exit"},
    DesktopOption{DesktopRequest::ShowVersion, "", "--version", "", "show the version and exit"},
};

constexpr std::array kVariables{
    DesktopVariable{"TABULEX_RUN_DIR",
                    "the run-files directory when --run-dir is not given;\n"
                    "without either: Tabulo运行文件 next to the program when\n"
                    "that can be written (never under /usr), else\n"
                    "$XDG_CONFIG_HOME/tabulex/Tabulo运行文件"},
};

// Descriptions start in this column; a name that reaches it gets a line of its own.
constexpr std::size_t kDescriptionColumn = 25;

void AppendEntry(std::string& text, const std::string& name, std::string_view description) {
  text += name;
  if (name.size() + 2 > kDescriptionColumn) {
    text += '\n';
    text.append(kDescriptionColumn, ' ');
  } else {
    text.append(kDescriptionColumn - name.size(), ' ');
  }
  for (const char c : description) {
    text += c;
    if (c == '\n') text.append(kDescriptionColumn, ' ');
  }
  text += '\n';
}

}  // namespace

std::span<const DesktopOption> DesktopOptions() {
  return kOptions;
}

std::span<const DesktopVariable> DesktopVariables() {
  return kVariables;
}

DesktopCommandLine TakeDesktopOptions(int& argc, char** argv) {
  DesktopCommandLine commandLine;
  int kept = 1;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string_view argument = argv[i];
    // After "--" everything is a file name, even one that looks like an option.
    if (argument == "--") break;
    const DesktopOption* matched = nullptr;
    std::optional<std::string> value;
    for (const DesktopOption& option : kOptions) {
      if (option.valueName.empty()) {
        const bool isShort = !option.shortName.empty() && argument == option.shortName;
        if (argument != option.longName && !isShort) continue;
      } else if (argument == option.longName && i + 1 < argc) {
        value = argv[++i];
      } else if (argument.starts_with(option.longName) &&
                 argument.substr(option.longName.size()).starts_with('=')) {
        value = std::string(argument.substr(option.longName.size() + 1));
      } else {
        // Not this option, or its value is missing: then Qt gets it, and ignores it.
        continue;
      }
      matched = &option;
      break;
    }
    if (matched == nullptr) {
      argv[kept++] = argv[i];
    } else if (matched->request != DesktopRequest::Run) {
      commandLine.request = matched->request;
      return commandLine;
    } else {
      commandLine.runDir = std::move(value);
    }
  }
  for (; i < argc; ++i) argv[kept++] = argv[i];
  argc = kept;
  argv[argc] = nullptr;
  return commandLine;
}

std::string DesktopHelpText() {
  std::string text =
      "Usage: tabulex [OPTION]... [FILE]\n"
      "The Tabulex calculator: calculations written as plain text, one per line. FILE is\n"
      "opened at start; when Tabulex is already running, its window opens FILE instead.\n"
      "\n";
  for (const DesktopOption& option : kOptions) {
    std::string name =
        option.shortName.empty() ? "      " : "  " + std::string(option.shortName) + ", ";
    name += option.longName;
    if (!option.valueName.empty()) name += " " + std::string(option.valueName);
    AppendEntry(text, name, option.description);
  }
  text += "\nEnvironment:\n";
  for (const DesktopVariable& variable : kVariables) {
    AppendEntry(text, "  " + std::string(variable.name), variable.description);
  }
  text +=
      "\n"
      "Qt's own options are understood too, among them -platform xcb|wayland|offscreen,\n"
      "-display DISPLAY and -style STYLE (see the Qt documentation of QGuiApplication and\n"
      "QApplication).\n"
      "\n"
      "Calculations without a window: tabulex-calc --help.\n";
  return text;
}

std::string DesktopVersionLine() {
  return std::string("tabulex (Tabulex) ") + kVersion;
}

}  // namespace tabulex
