// tabulex-calc as a function of its arguments and output streams, so that it can be tested
// without starting a process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tabulex {

// Exit status: 0 result printed, 1 no result, 2 usage error.
int RunCalcCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace tabulex
