// tabulex-calc: the calculation engine on the command line.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_command.h"

int main(int argc, char** argv) {
  // A reader that goes away (`| head`) makes writes fail instead of ending the program.
  std::signal(SIGPIPE, SIG_IGN);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return tabulex::RunCalcCommand(
      arguments, std::cin, std::cout, std::cerr,
      ::isatty(STDIN_FILENO) ? tabulex::InputKind::Terminal : tabulex::InputKind::Stream);
}
