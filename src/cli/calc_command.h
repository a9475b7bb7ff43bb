// tabulex-calc as a function of its arguments and streams, so that it can be tested without
// starting a process.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tabulex {

enum class InputKind { Stream, Terminal };

// Exit status: 0 done (with -e: a result was printed), 1 no result for -e, 2 usage or file
// error, or a --convert that cannot be done. A text read from a terminal (no FILE, standard input a
// terminal) is answered line by line as it is entered.
int RunCalcCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                   std::ostream& err, InputKind input = InputKind::Stream);

}  // namespace tabulex
