#include "cli/cli_options.h"

#include "settings/settings_fields.h"

namespace tabulex {
namespace {

CliParse UsageError(std::string message) {
  return CliParse{std::nullopt, std::move(message)};
}

}  // namespace

CliParse ParseCliOptions(const std::vector<std::string>& arguments) {
  CliOptions options;
  bool haveExpression = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    // The value of an option: "--opt=VALUE" or the next argument.
    auto valueOf = [&](std::string_view longName, std::string& value) -> bool {
      if (arg.starts_with(std::string(longName) + "=")) {
        value = arg.substr(longName.size() + 1);
        return true;
      }
      if (i + 1 >= arguments.size()) return false;
      value = arguments[++i];
      return true;
    };

    if (arg == "--help" || arg == "-h") {
      options.mode = CliOptions::Mode::Help;
      return CliParse{options, {}};
    }
    if (arg == "--version") {
      options.mode = CliOptions::Mode::Version;
      return CliParse{options, {}};
    }
    if (arg == "-e" || arg == "--expression" || arg.starts_with("--expression=")) {
      if (!valueOf("--expression", options.expression)) {
        return UsageError("option '" + arg + "' requires an expression");
      }
      haveExpression = true;
    } else if (arg == "--set" || arg.starts_with("--set=")) {
      std::string assignment;
      if (!valueOf("--set", assignment)) return UsageError("option '--set' requires FIELD=VALUE");
      const std::size_t equals = assignment.find('=');
      if (equals == std::string::npos) {
        return UsageError("'" + assignment + "' is not of the form FIELD=VALUE");
      }
      if (auto error = SetSettingField(options.settings, assignment.substr(0, equals),
                                       assignment.substr(equals + 1))) {
        return UsageError(*error);
      }
    } else if (arg.starts_with("-") && arg != "-") {
      return UsageError("unknown option '" + arg + "'");
    } else {
      return UsageError("unexpected argument '" + arg + "'");
    }
  }
  if (!haveExpression) return UsageError("no expression given (use -e EXPR)");
  return CliParse{options, {}};
}

}  // namespace tabulex
