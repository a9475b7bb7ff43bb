// tabulex-calc: the calculation engine on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return tabulex::RunCalcCommand(arguments, std::cin, std::cout, std::cerr);
}
