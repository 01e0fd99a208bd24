#pragma once
// velk-reduce: the desktop program's reduction as one command. Everything but main() lives in
// reduce_*.cpp so that tests drive the same code.
//
// A run is a fixed sequence of steps over one ReduceSession: parse the arguments into
// ReduceOptions, open the input (as the open commands do), apply the parameters, compute, write
// the outputs, print the summary. Each step adds its options to the command line in its own
// Add...Options function and runs in its own function, so a later step (window method,
// smoothing, curve tools, plots) adds its fields, its options and its call without touching the
// others.

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/reduce_plot.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "record/workspace.h"

namespace CLI {
class App;
}

namespace velk::cli {

// Exit status of velk-reduce.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // the data could not be reduced; the program's message
inline constexpr int kExitUsage = 2;   // the command line is wrong

struct ReduceOptions {
  // Input: exactly one.
  std::vector<std::string> tek;  // incident, transmitted
  std::vector<std::string> cs;   // incident, transmitted
  std::string record;
  std::vector<int> start;  // incident and transmitted start points; empty means 0 0

  // Parameters, applied after opening.
  std::string params;  // a parameter file, loaded as the open-parameter-file command does

  // Outputs.
  std::string saveParams;
  bool json = false;
  PlotRequest plot;

  // How many inputs were named; exactly one is needed.
  int InputCount() const {
    return static_cast<int>(!tek.empty()) + static_cast<int>(!cs.empty()) +
           static_cast<int>(!record.empty());
  }
};

// What one run works on: the program-wide state, the one test record and the operator, who here
// only collects messages.
struct ReduceSession {
  Workspace ws;
  std::unique_ptr<CVelkDoc> doc;
  ScriptedInteraction ui;
};

void AddInputOptions(CLI::App& app, ReduceOptions& o);
void AddParameterOptions(CLI::App& app, ReduceOptions& o);
void AddOutputOptions(CLI::App& app, ReduceOptions& o);
// Usage problems CLI11 cannot see (exactly one input, --start only with waveform files); an
// empty text when there is none.
std::string CheckOptions(const ReduceOptions& o);

// The steps. Each returns kExitDone to go on, or kExitFailed after the program's message went to
// the session's interaction.
int OpenInput(const ReduceOptions& o, ReduceSession& s);
int ApplyParameters(const ReduceOptions& o, ReduceSession& s);
int WriteOutputs(const ReduceOptions& o, ReduceSession& s);

// The --json summary: one object on one line, doubles with 17 significant digits, null for what
// is not known yet.
std::string SummaryJson(const ReduceSession& s);

// Runs velk-reduce with the given arguments (without the program name).
int RunReduce(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velk::cli
