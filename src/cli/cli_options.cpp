#include "cli/cli_options.h"

#include "base/calc_settings.h"
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
  bool haveConversion = false;
  std::optional<CliOptions::Mode> dateMode;
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
    auto is = [&](std::string_view shortName, std::string_view longName) {
      return (!shortName.empty() && arg == shortName) || arg == longName ||
             arg.starts_with(std::string(longName) + "=");
    };

    if (arg == "--help" || arg == "-h") {
      options.mode = CliOptions::Mode::Help;
      return CliParse{options, {}};
    }
    if (arg == "--version") {
      options.mode = CliOptions::Mode::Version;
      return CliParse{options, {}};
    }
    if (arg == "--list-fields" || arg == "--list-units") {
      options.mode =
          arg == "--list-fields" ? CliOptions::Mode::ListFields : CliOptions::Mode::ListUnits;
      return CliParse{options, {}};
    }
    if (is("-e", "--expression")) {
      if (!valueOf("--expression", options.expression)) {
        return UsageError("option '" + arg + "' requires an expression");
      }
      haveExpression = true;
    } else if (is("", "--convert")) {
      UnitConversionRequest& request = options.conversion;
      if (!valueOf("--convert", request.value) || i + 2 >= arguments.size()) {
        return UsageError("option '--convert' requires VALUE FROM TO");
      }
      request.from = arguments[++i];
      request.to = arguments[++i];
      haveConversion = true;
    } else if (is("", "--set")) {
      std::string assignment;
      if (!valueOf("--set", assignment)) return UsageError("option '--set' requires FIELD=VALUE");
      const std::size_t equals = assignment.find('=');
      if (equals == std::string::npos) {
        return UsageError("'" + assignment + "' is not of the form FIELD=VALUE");
      }
      std::string field = assignment.substr(0, equals);
      std::string value = assignment.substr(equals + 1);
      CalcSettings check;
      if (auto error = SetSettingField(check, field, value)) return UsageError(*error);
      options.assignments.emplace_back(std::move(field), std::move(value));
    } else if (is("", "--config")) {
      std::string path;
      if (!valueOf("--config", path)) return UsageError("option '--config' requires a file");
      options.configPath = path;
    } else if (is("", "--encoding")) {
      std::string name;
      if (!valueOf("--encoding", name)) return UsageError("option '--encoding' requires a name");
      if (name == "gbk" || name == "GBK") {
        options.encoding = TextEncoding::Gbk;
      } else if (name == "utf-8" || name == "UTF-8" || name == "utf8") {
        options.encoding = TextEncoding::Utf8;
      } else {
        return UsageError("unknown encoding '" + name + "' (use gbk or utf-8)");
      }
    } else if ((arg == "--days" || is("", "--date")) && dateMode) {
      return UsageError("give one of --days and --date, once");
    } else if (arg == "--days") {
      if (i + 2 >= arguments.size()) return UsageError("option '--days' requires two dates");
      options.dates = {arguments[i + 1], arguments[i + 2]};
      i += 2;
      dateMode = CliOptions::Mode::Days;
    } else if (is("", "--date")) {
      std::string date;
      if (!valueOf("--date", date)) return UsageError("option '--date' requires a date");
      options.dates = {date};
      dateMode = CliOptions::Mode::Date;
    } else if (arg == "-i" || arg == "--in-place") {
      options.inPlace = true;
    } else if (arg == "--status") {
      options.showStatus = true;
    } else if (arg.starts_with("-") && arg != "-") {
      return UsageError("unknown option '" + arg + "'");
    } else if (options.inputPath) {
      return UsageError("unexpected argument '" + arg + "' (one input file only)");
    } else {
      options.inputPath = arg;
    }
  }

  if (haveConversion && dateMode) {
    return UsageError("--convert does not go with --days or --date");
  }
  if (haveConversion) {
    if (haveExpression || options.inputPath || options.inPlace) {
      return UsageError("--convert converts one value; it takes no expression or input file");
    }
    options.mode = CliOptions::Mode::Convert;
  } else if (dateMode) {
    if (haveExpression || options.inputPath || options.inPlace) {
      return UsageError("--days and --date take no expression and no input file");
    }
    options.mode = *dateMode;
  } else if (haveExpression) {
    if (options.inputPath || options.inPlace) {
      return UsageError("-e calculates one expression; it takes no input file");
    }
    options.mode = CliOptions::Mode::Expression;
  } else if (options.inPlace && (!options.inputPath || *options.inputPath == "-")) {
    return UsageError("--in-place needs an input file");
  }
  return CliParse{options, {}};
}

}  // namespace tabulex
