#include "cli/reduce_cli.h"

#include <CLI/CLI.hpp>

namespace velk::cli {

namespace {

const char* kDescription =
    "velk-reduce: reduces a split Hopkinson pressure-bar test as the desktop program does.\n"
    "Opens the recorded channels (Tektronix or CS20000 waveform files, or a test record file\n"
    "with the parameter file beside it), applies the parameters and writes the results.";

// The program's messages, in the order the operator would have seen them.
void PrintMessages(const ReduceSession& s, std::ostream& err) {
  for (const std::string& m : s.ui.messages) err << "velk-reduce: " << m << "\n";
}

}  // namespace

std::string CheckOptions(const ReduceOptions& o) {
  if (o.InputCount() != 1) return "name exactly one input: --tek, --cs or --record";
  if (!o.start.empty() && o.tek.empty() && o.cs.empty()) {
    return "--start applies to --tek and --cs only";
  }
  return {};
}

int RunReduce(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ReduceOptions o;
  CLI::App app(kDescription, "velk-reduce");
  AddInputOptions(app, o);
  AddParameterOptions(app, o);
  AddOutputOptions(app, o);
  AddPlotOptions(app, o.plot);
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
    const std::string problem = CheckOptions(o);
    if (!problem.empty()) throw CLI::ValidationError(problem);
    const std::string plotProblem = CheckPlotOptions(o.plot);
    if (!plotProblem.empty()) throw CLI::ValidationError(plotProblem);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitDone;
  } catch (const CLI::ParseError& e) {
    err << "velk-reduce: " << e.what() << "\n"
        << "Usage: velk-reduce [OPTIONS]; run velk-reduce --help for the options.\n";
    return kExitUsage;
  }

  ReduceSession s;
  int status = OpenInput(o, s);
  if (status == kExitDone) status = ApplyParameters(o, s);
  if (status == kExitDone) status = WriteOutputs(o, s);
  if (status == kExitDone) status = WritePlot(o.plot, s);
  PrintMessages(s, err);
  if (status != kExitDone) return status;
  if (o.json) out << SummaryJson(s) << "\n";
  return kExitDone;
}

}  // namespace velk::cli
