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
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/uncertainty.h"
#include "cli/reduce_plot.h"
#include "record/recording.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "record/workspace.h"
#include "tools/workbook_export.h"

namespace CLI {
class App;
}

namespace velk::cli {

// Exit status of velk-reduce.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // the data could not be reduced; the program's message
inline constexpr int kExitUsage = 2;   // the command line is wrong

// A curve tool run after the computation, in command-line order.
enum class CurveTool { kSmooth, kCut, kStraighten };
struct CurveToolStep {
  CurveTool tool;
  int value;  // smoothing points, cut index or straightening centre
};

struct ReduceOptions {
  // Input: exactly one.
  std::vector<std::string> tek;  // incident, transmitted
  std::vector<std::string> cs;   // incident, transmitted
  std::string record;
  bool demo = false;       // the bundled Tektronix sample with its parameter file
  std::vector<int> start;  // incident and transmitted start points; empty means 0 0
  // Instrument recordings: the incident and transmitted channel, each from a file (the same file
  // may be named twice), by channel name or number.
  std::string inc, tr, incChannel, trChannel;
  std::string format = "auto";  // as RecordingFormatName spells it
  std::string describe;         // a file to describe as JSON instead of reducing anything
  std::string wavesCsv;         // the two waves as read, before any processing
  // The layout of files read as delimited text, as velk-reduce spells it; empty (or no number of
  // header rows) where the reader detects it.
  std::string delimiter, decimal, timeUnit, channelUnit;
  std::optional<int> headerRows;
  std::string session;      // a session file to replay, as the input
  std::string saveSession;  // the run written as a session file

  // Parameters, applied after opening.
  std::string params;  // a parameter file, loaded as the open-parameter-file command does
  std::optional<double> samplingMhz, specimenDiameterMm, specimenThicknessMm, specimenWaveSpeedMs,
      matrixWaveSpeedMs, strikerVelocityMs;
  // A bar material or diameter: a built-in row's index (0, 1 / 0, 1, 2) or a library row's name.
  std::optional<std::string> barMaterial, barDiameter;
  std::optional<int> model;
  // Custom bars: wave speed m/s, modulus MPa, diameter mm, Poisson's ratio (default 0.29).
  std::vector<double> bar, transmissionBar;
  std::optional<int> resultLimit;  // 0: the whole transmitted window
  std::string barLibrary;          // the library file; empty: the user's
  bool listBars = false;
  // Library rows the names and custom bars resolved to (ResolveBars).
  std::optional<int> barMaterialRow, barDiameterRow, trMaterialRow, trDiameterRow;
  // The dispersion correction and the distance (mm) from each gauge to its specimen face.
  bool dispersion = false;
  std::optional<double> gaugeDistanceInc, gaugeDistanceTr;
  std::optional<double> factorInc, factorTr;
  std::vector<double> bridgeInc, bridgeTr;   // arms, bridge voltage, gain, gauge factor
  std::vector<int> baselineInc, baselineTr;  // start, end

  // Window method and computation. The computation runs only when the run asks for something
  // that needs it (see NeedsComputation); the method is then 2 unless one is named.
  std::optional<int> method;
  std::vector<int> picks;    // method 1: a point on the incident, reflected, transmitted wave
  std::vector<int> windows;  // method 3: is ie rs re ts te
  std::optional<int> smoothWaves;
  // Filled from the command line in its order after parsing (CollectCurveTools).
  std::vector<int> smooth, cut, straighten;
  std::vector<CurveToolStep> tools;

  // Outputs.
  std::string dt2, dt3, dt4;
  std::string saveParams;
  bool json = false;
  PlotRequest plot;
  // Summary values, force balance and spreadsheet export.
  std::string summary;              // FILE.json or FILE.csv
  std::vector<double> flowStrains;  // empty: the default strains
  std::string xlsx, csv;
  std::string uncertainty;  // an uncertainty file, or "default"
  // Batch run: the list, threads (0: every core) and the folder for each test's outputs.
  std::string batch;
  int jobs = 0;
  std::string outDir;
  bool batchRow = false;  // a row of a batch: always computed, for its summary row

  int Method() const { return method.value_or(2); }
  // A window method, a curve tool, a result file or a plot of computed curves was asked for, or
  // --demo. Without any, a run
  // opens the test, applies the parameters and writes only the parameter file, a plot of what
  // exists and the summary, whose windows and last result index are then null.
  bool NeedsComputation() const {
    return method || !picks.empty() || !windows.empty() || smoothWaves || !tools.empty() ||
           !dt2.empty() || !dt3.empty() || !dt4.empty() || demo || PlotsComputedCurves() ||
           WantsAnalysis() || batchRow || !uncertainty.empty();
  }
  // A summary or a spreadsheet of the results was asked for.
  bool WantsAnalysis() const { return !summary.empty() || !xlsx.empty() || !csv.empty(); }
  // A plot of the processed waves or of a result curve (kinds 4 to 12) needs the computation.
  bool PlotsComputedCurves() const {
    for (std::size_t i = 0; i < plot.count(); ++i) {
      if (plot.kind(i) != "3") return true;
    }
    return false;
  }

  // How many inputs were named; exactly one is needed.
  int InputCount() const {
    if (listBars) return 1;
    return static_cast<int>(!tek.empty()) + static_cast<int>(!cs.empty()) +
           static_cast<int>(!record.empty()) + static_cast<int>(demo) +
           static_cast<int>(!session.empty()) + static_cast<int>(!inc.empty() || !tr.empty());
  }
};

// The operator of a batch run: every answer comes from the command line. A message shown right
// before a point pick is that pick's prompt ("请选择入射波上一点"), already answered by --picks,
// --cut or --straighten, so it is dropped instead of reported.
class BatchInteraction : public ScriptedInteraction {
 public:
  // Keeps the message in the run's language (--lang, the locale), arguments that are source
  // texts ("true strain") included.
  void ShowMessage(const std::string& text, const std::vector<std::string>& args = {}) override;
  int PickPoint(CVelkDoc& doc) override;

 private:
  std::size_t m_messagesAtLastPick = 0;
};

// What one run works on: the program-wide state, the one test record and the operator, who here
// only collects messages.
struct ReduceSession {
  Workspace ws;
  std::unique_ptr<CVelkDoc> doc;
  BatchInteraction ui;
  UncertaintyInputs uncertainty;  // read from --uncertainty before anything is written
};

void AddInputOptions(CLI::App& app, ReduceOptions& o);
// --session and --save-session.
void AddSessionOptions(CLI::App& app, ReduceOptions& o);
// --session: the test and every step of the session, replayed.
int OpenSession(const ReduceOptions& o, ReduceSession& s);
// --save-session: the run so far as a session file.
int SaveSession(const ReduceOptions& o, ReduceSession& s);
// The window method runs: always, unless the test came from a session that did not ask for it.
inline bool RunsWindowMethod(const ReduceOptions& o) {
  return o.NeedsComputation() && (o.session.empty() || o.method || o.smoothWaves);
}
// --inc, --tr, their channels, --format, the layout of delimited text, --describe and
// --waves-csv.
void AddRecordingOptions(CLI::App& app, ReduceOptions& o);
// The layout options as the delimited-text reader takes them.
DelimitedOverride LayoutOverride(const ReduceOptions& o);
// Usage problems of those options; empty when there is none.
std::string CheckRecordingOptions(const ReduceOptions& o);
// --describe: the detected format, channels, point counts, intervals and units of one file as one
// JSON line on out. kExitDone, or kExitFailed with the program's message on err.
int DescribeRecording(const ReduceOptions& o, std::ostream& out, std::ostream& err);
// --inc and --tr: opens the test from the two channels.
int OpenRecordings(const ReduceOptions& o, ReduceSession& s);
// --waves-csv: "index,time_us,incident,transmitted" and one row per sample.
int WriteWavesCsv(const ReduceOptions& o, ReduceSession& s);
void AddParameterOptions(CLI::App& app, ReduceOptions& o);
void AddComputeOptions(CLI::App& app, ReduceOptions& o);
void AddOutputOptions(CLI::App& app, ReduceOptions& o);
void AddBarOptions(CLI::App& app, ReduceOptions& o);
// Loads the bar library into the session (a damaged file is reported and leaves the built-in
// rows) and resolves --bar-material, --bar-diameter, --bar and --transmission-bar into rows of
// it. A usage problem (a name on no list, a value out of range) as text; empty when none.
std::string ResolveBars(ReduceOptions& o, ReduceSession& s);
// The --list-bars text: every row of both lists.
std::string ListBars(const BarLibrary& bars);
void AddAnalysisOptions(CLI::App& app, ReduceOptions& o);
void AddBatchOptions(CLI::App& app, ReduceOptions& o);
// Puts the --smooth, --cut and --straighten values into o.tools in command-line order.
void CollectCurveTools(const CLI::App& app, ReduceOptions& o);
// Usage problems CLI11 cannot see (exactly one input, --start only with waveform files); an
// empty text when there is none.
std::string CheckOptions(const ReduceOptions& o);
// With --batch the tests come from the list: only the batch options may stand beside it.
std::string CheckBatchOptions(const ReduceOptions& o);

// The steps. Each returns kExitDone to go on, or kExitFailed after the program's message went to
// the session's interaction.
int OpenInput(const ReduceOptions& o, ReduceSession& s);
int ApplyParameters(const ReduceOptions& o, ReduceSession& s);
// --smooth-waves, the window method and the stress-strain computation (command 32807).
int Compute(const ReduceOptions& o, ReduceSession& s);
// --smooth, --cut and --straighten in command-line order.
int RunCurveTools(const ReduceOptions& o, ReduceSession& s);
int WriteOutputs(const ReduceOptions& o, ReduceSession& s);
// Usage problems of --uncertainty; empty when there is none.
std::string CheckUncertaintyOptions(const ReduceOptions& o);
// Reads the --uncertainty file into the session: kExitFailed, naming the file, when it is unusable.
int ReadUncertaintyFile(const ReduceOptions& o, ReduceSession& s);
// --uncertainty: the Monte Carlo on the computed results, for --summary, --xlsx, --csv and --plot.
int RunUncertaintyStep(const ReduceOptions& o, ReduceSession& s);
// --summary, --xlsx and --csv; export, when not null, receives what was exported.
int WriteAnalysisOutputs(const ReduceOptions& o, ReduceSession& s, TestExport* exported = nullptr);

// Folder of the bundled Tektronix sample used by --demo (holds T1_inc.txt, T1_tr.txt, T1.PAT):
// the source tree the program was built from, else samples/tek near the executable. nullopt
// when none holds the sample; looked lists the folders tried.
std::optional<std::string> DemoSampleFolder(std::vector<std::string>* looked = nullptr);

// The --json summary: one object on one line, doubles with 17 significant digits, null for what
// is not known yet.
std::string SummaryJson(const ReduceSession& s);

// Parses the arguments into o; kExitDone, or kExitUsage with the reason in problem (empty after
// --help, whose text is then in problem's place in help).
int ParseReduce(const std::vector<std::string>& args, ReduceOptions& o, std::string& problem,
                std::string* help = nullptr);
// Every step of one test after parsing; the session keeps the messages.
int RunSteps(const ReduceOptions& o, ReduceSession& s, TestExport* exported = nullptr);

// Runs velk-reduce with the given arguments (without the program name).
int RunReduce(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// --batch: every row of the list as one run, o.jobs at a time.
int RunBatch(const ReduceOptions& o, std::ostream& out, std::ostream& err);

}  // namespace velk::cli
