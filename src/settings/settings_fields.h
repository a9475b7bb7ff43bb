// CalcSettings fields by their names, for setting them from text (tabulex-calc --set).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/calc_settings.h"

namespace tabulex {

// Sets the named field from value. Booleans take true/false/1/0/真/假 (UTF-8); integers a
// decimal integer within the field's range. Returns a UTF-8 error text on failure.
std::optional<std::string> SetSettingField(CalcSettings& settings, std::string_view name,
                                           std::string_view value);

// The names SetSettingField takes, in the configuration file's order (tabulex-calc
// --list-fields, for the shell completion of --set).
std::vector<std::string> SettingFieldNames();

}  // namespace tabulex
