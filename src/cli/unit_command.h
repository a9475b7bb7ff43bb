// tabulex-calc --convert VALUE FROM TO: the unit conversion of the tool window's "单位转换" tab
// on the command line.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace tabulex {

// Prints the value in the unit to, written like a result, and returns 0; a name that is no
// unit, units of different categories or a value that is not a number are told on err in one
// line, with 2. Standard input is never read.
int RunUnitConversion(const UnitConversionRequest& request, std::ostream& out, std::ostream& err);

// Every name --convert knows a unit by (UTF-8), one a line, each once, in the tab's order
// (--list-units, for the shell completion); returns 0.
int ListUnitNames(std::ostream& out);

}  // namespace tabulex
