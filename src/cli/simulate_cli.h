#pragma once
// velk-simulate: the command line over the simulator. Everything but main() lives here so that
// tests run the same code.

#include <ostream>
#include <string>
#include <vector>

namespace velk::sim {

// Runs velk-simulate with the given arguments (without the program name). Returns the exit
// status: 0 done, 2 usage error, 1 the test could not be simulated or written.
int RunSimulate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velk::sim
