#include <iostream>

#include "cli/reduce_cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return velk::cli::RunReduce(args, std::cout, std::cerr);
}
