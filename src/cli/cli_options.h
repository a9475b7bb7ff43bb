// Command-line options of tabulex-calc.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tabulex {

enum class TextEncoding { Detect, Gbk, Utf8 };

// --convert VALUE FROM TO: UTF-8, as given.
struct UnitConversionRequest {
  std::string value;
  std::string from;
  std::string to;
};

struct CliOptions {
  enum class Mode { Expression, Text, Help, Version, Convert, Days, Date, ListFields, ListUnits };
  Mode mode{Mode::Text};
  std::string expression;                // -e: UTF-8, as given
  std::vector<std::string> dates;        // --days DATE1 DATE2, --date DATE: UTF-8, as given
  std::optional<std::string> inputPath;  // the text's file; none or "-" reads standard input
  TextEncoding encoding{TextEncoding::Detect};
  bool inPlace{false};
  bool showStatus{false};
  std::optional<std::string> configPath;
  // FIELD=VALUE settings, applied in order after the configuration file.
  std::vector<std::pair<std::string, std::string>> assignments;
  UnitConversionRequest conversion;
};

struct CliParse {
  std::optional<CliOptions> options;
  std::string error;  // a usage error, when options is empty
};

CliParse ParseCliOptions(const std::vector<std::string>& arguments);

}  // namespace tabulex
