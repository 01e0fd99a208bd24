#include <iostream>

#include "cli/simulate_cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return velk::sim::RunSimulate(args, std::cout, std::cerr);
}
