// tabulex-calc --days and --date: the time calculation tab's date texts on the command line.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace tabulex {

// --days DATE1 DATE2 prints DATE2 − DATE1 in days; --date DATE prints the line the tab shows
// for DATE (weekday, lunar date, solar term). Output in UTF-8. Exit status 0, or 2 with a
// one-line message on standard error for a date that is none.
int RunDateCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tabulex
