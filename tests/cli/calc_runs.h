// tabulex-calc for the command tests: in this process (RunCalcCommand with no input) or as the
// real program through a shell, with both streams and the exit status.
#pragma once

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_command.h"

namespace tabulex {

struct CalcRun {
  int exit{0};
  std::string out;
  std::string err;
};

inline CalcRun Calc(const std::vector<std::string>& arguments, std::istream& in) {
  std::ostringstream out;
  std::ostringstream err;
  const int exit = RunCalcCommand(arguments, in, out, err);
  return {exit, out.str(), err.str()};
}

inline CalcRun Calc(const std::vector<std::string>& arguments) {
  std::istringstream in;
  return Calc(arguments, in);
}

// The real program with these shell-quoted arguments, after `before` (e.g. "echo 1+1 | "):
// standard output and error together, then "[exit status]".
inline std::string RunCalcBinary(const std::string& arguments, const std::string& before = "") {
  const std::string command =
      before + std::string(TABULEX_CALC_BINARY) + " " + arguments + " 2>&1; echo \"[$?]\"";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  std::array<char, 256> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) output += buffer.data();
  pclose(pipe);
  return output;
}

}  // namespace tabulex
