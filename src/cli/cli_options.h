// Command-line options of tabulex-calc.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/calc_settings.h"

namespace tabulex {

struct CliOptions {
  enum class Mode { Expression, Help, Version };
  Mode mode{Mode::Expression};
  std::string expression;  // UTF-8, as given
  CalcSettings settings;   // built-in defaults with every --set applied
};

struct CliParse {
  std::optional<CliOptions> options;
  std::string error;  // a usage error, when options is empty
};

CliParse ParseCliOptions(const std::vector<std::string>& arguments);

}  // namespace tabulex
