#include "cli/reduce_cli.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <mutex>

#include "cli/reduce_language.h"
#include "record/tr_noop.h"

namespace velk::cli {

namespace {

constexpr const char* kUsageHint = VELK_TRANSLATE_NOOP(
    "velk", "Usage: velk-reduce [OPTIONS]; run velk-reduce --help for the options.");

const char* kDescription = VELK_TRANSLATE_NOOP(
    "velk",
    "velk-reduce: reduces a split Hopkinson pressure-bar test as the desktop program does.\n"
    "Opens the recorded channels (Tektronix or CS20000 waveform files, or a test record file\n"
    "with the parameter file beside it), applies the parameters, places the wave windows, "
    "computes\n"
    "the stress-strain curves, runs the curve tools in command-line order and writes the results.\n"
    "The computation runs when a window method, a curve tool, a result file or a plot of kinds\n"
    "4 to 12 is asked for (and with --demo); otherwise the test is only opened and its\n"
    "parameters applied.\n"
    "Exit status: 0 done; 2 usage error; 1 the data could not be reduced (the program's message\n"
    "on stderr).");

// The program's messages, in the order the operator would have seen them.
void PrintMessages(const ReduceSession& s, std::ostream& err) {
  for (const std::string& m : s.ui.messages) err << "velk-reduce: " << m << "\n";
}

}  // namespace

void BatchInteraction::ShowMessage(const std::string& text, const std::vector<std::string>& args) {
  std::vector<std::string> shown;
  for (const std::string& a : args) shown.push_back(Translate(a));
  ScriptedInteraction::ShowMessage(Translate(text), shown);
}

int BatchInteraction::PickPoint(CVelkDoc& doc) {
  if (messages.size() > m_messagesAtLastPick) messages.pop_back();
  m_messagesAtLastPick = messages.size();
  return ScriptedInteraction::PickPoint(doc);
}

std::string CheckOptions(const ReduceOptions& o) {
  if (!o.batch.empty()) return CheckBatchOptions(o);
  if (o.InputCount() != 1) {
    return VELK_TRANSLATE_NOOP("velk",
                               "name exactly one input: --tek, --cs, --record, --demo or --inc "
                               "with --tr");
  }
  for (const std::vector<double>* b : {&o.bar, &o.transmissionBar}) {
    if (b->size() == 4 && !((*b)[3] >= 0.0 && (*b)[3] < 0.5)) {
      return VELK_TRANSLATE_NOOP("velk", "a bar's Poisson's ratio must lie from 0 up to 0.5");
    }
  }
  for (const std::optional<double>& d : {o.gaugeDistanceInc, o.gaugeDistanceTr}) {
    if (d && !(*d >= 0.0 && std::isfinite(*d)))
      return VELK_TRANSLATE_NOOP("velk", "a gauge distance must be a number of 0 mm or more");
  }
  if (o.dispersion && o.params.empty() && !(o.gaugeDistanceInc && o.gaugeDistanceTr)) {
    return VELK_TRANSLATE_NOOP("velk",
                               "--dispersion needs --gauge-distance-inc and --gauge-distance-tr, "
                               "or a parameter file that holds them");
  }
  if (!o.start.empty() && o.tek.empty() && o.cs.empty() && o.inc.empty()) {
    return VELK_TRANSLATE_NOOP("velk", "--start applies to --tek, --cs and --inc with --tr only");
  }
  if (const std::string problem = CheckRecordingOptions(o); !problem.empty()) return problem;
  if (const std::string problem = CheckUncertaintyOptions(o); !problem.empty()) return problem;
  if (!o.cs.empty() && (!o.bridgeInc.empty() || !o.bridgeTr.empty())) {
    // The desktop program ignores the bridge command on a CS20000 test; a batch run must not
    // quietly drop what it was asked for.
    return VELK_TRANSLATE_NOOP(
        "velk",
        "--bridge-inc and --bridge-tr do not apply to a CS20000 test, which is scaled by its "
        "calibration; use --factor-inc and --factor-tr");
  }
  for (const std::vector<int>* b : {&o.baselineInc, &o.baselineTr}) {
    if (!b->empty() && ((*b)[0] < 0 || (*b)[0] > (*b)[1])) {
      return VELK_TRANSLATE_NOOP("velk", "a baseline range needs 0 <= START <= END");
    }
  }
  if (o.Method() == 1 && o.picks.empty())
    return VELK_TRANSLATE_NOOP("velk", "--method 1 needs --picks PI PR PT");
  if (o.Method() != 1 && !o.picks.empty())
    return VELK_TRANSLATE_NOOP("velk", "--picks applies to --method 1 only");
  if (o.Method() == 3 && o.windows.empty())
    return VELK_TRANSLATE_NOOP("velk", "--method 3 needs --windows IS IE RS RE TS TE");
  if (o.Method() != 3 && !o.windows.empty())
    return VELK_TRANSLATE_NOOP("velk", "--windows applies to --method 3 only");
  return {};
}

int ParseReduce(const std::vector<std::string>& args, ReduceOptions& o, std::string& problem,
                std::string* help) {
  CLI::App app(Translate(kDescription), "velk-reduce");
  // Parsed again here so that the option is known; the language itself was chosen before.
  std::string lang;
  AddLanguageOption(app, lang);
  AddInputOptions(app, o);
  AddSessionOptions(app, o);
  AddRecordingOptions(app, o);
  AddParameterOptions(app, o);
  AddComputeOptions(app, o);
  AddOutputOptions(app, o);
  AddBarOptions(app, o);
  AddPlotOptions(app, o.plot);
  AddAnalysisOptions(app, o);
  AddBatchOptions(app, o);
  try {
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
    CollectCurveTools(app, o);
    // --describe only reads its file; the other options are not looked at.
    if (!o.describe.empty()) return kExitDone;
    const std::string p = CheckOptions(o);
    if (!p.empty()) throw CLI::ValidationError(Translate(p));
    const std::string plotProblem = CheckPlotOptions(app, o.plot);
    if (!plotProblem.empty()) throw CLI::ValidationError(Translate(plotProblem));
  } catch (const CLI::CallForHelp&) {
    problem.clear();
    if (help != nullptr) *help = app.help();
    return kExitUsage;
  } catch (const CLI::ParseError& e) {
    problem = e.what();
    return kExitUsage;
  }
  return kExitDone;
}

int RunSteps(const ReduceOptions& o, ReduceSession& s, TestExport* exported) {
  // A bad uncertainty file stops the run before anything is written.
  int status = ReadUncertaintyFile(o, s);
  if (status == kExitDone) status = OpenInput(o, s);
  if (status == kExitDone && !o.wavesCsv.empty()) status = WriteWavesCsv(o, s);
  if (status == kExitDone) status = ApplyParameters(o, s);
  if (status == kExitDone && RunsWindowMethod(o)) status = Compute(o, s);
  if (status == kExitDone && o.NeedsComputation()) status = RunCurveTools(o, s);
  if (status == kExitDone && !o.uncertainty.empty()) status = RunUncertaintyStep(o, s);
  if (status == kExitDone && !o.saveSession.empty()) status = SaveSession(o, s);
  if (status == kExitDone) status = WriteOutputs(o, s);
  if (status == kExitDone) status = WriteAnalysisOutputs(o, s, exported);
  if (status == kExitDone && o.plot.count() > 0) {
    // Drawing needs the one QGuiApplication; batch threads take turns.
    static std::mutex plotMutex;
    std::lock_guard lock(plotMutex);
    status = WritePlot(o.plot, s);
  }
  return status;
}

int RunReduce(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // The language is needed before parsing: the parse errors and --help use it.
  UseLanguage(i18n::ParseLanguage(LangArgument(args)).value_or(DefaultLanguage()));
  ReduceOptions o;
  std::string problem, help;
  if (ParseReduce(args, o, problem, &help) != kExitDone) {
    if (problem.empty()) {
      out << help;
      return kExitDone;
    }
    err << "velk-reduce: " << problem << "\n" << Translate(kUsageHint) << "\n";
    return kExitUsage;
  }
  if (!o.describe.empty()) return DescribeRecording(o, out, err);
  if (!o.batch.empty()) return RunBatch(o, out, err);

  ReduceSession s;
  if (const std::string barProblem = ResolveBars(o, s); !barProblem.empty()) {
    err << "velk-reduce: " << barProblem << "\n" << Translate(kUsageHint) << "\n";
    return kExitUsage;
  }
  if (o.listBars) {
    PrintMessages(s, err);
    out << ListBars(s.ws.bars);
    return kExitDone;
  }
  const int status = RunSteps(o, s);
  PrintMessages(s, err);
  if (status != kExitDone) return status;
  if (o.json) out << SummaryJson(s) << "\n";
  return kExitDone;
}

}  // namespace velk::cli
