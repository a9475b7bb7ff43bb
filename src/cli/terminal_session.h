// tabulex-calc at a terminal: each line is answered as soon as it is entered, with the line
// and its result ("1+1=2"), or the status message when it has none. Lines are edited and
// recalled with libedit; the history is kept in $XDG_STATE_HOME/tabulex/history. No prompt;
// Ctrl+D or "quit" ends. The calculation is the batch's, one line at a time, with one state
// for the whole session (the last result carries over).
#pragma once

#include <ostream>

#include "base/calc_settings.h"

namespace tabulex {

// showStatus: every status message on err as well, as --status does for a text.
int RunTerminalSession(const CalcSettings& settings, bool showStatus, std::ostream& out,
                       std::ostream& err);

}  // namespace tabulex
