// tabulex-calc as a function of its arguments and streams, so that it can be tested without
// starting a process.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tabulex {

// Exit status: 0 done (with -e: a result was printed), 1 no result for -e, 2 usage or file
// error.
int RunCalcCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace tabulex
