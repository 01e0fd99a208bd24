// --batch: many tests from one list, several at once. Each row is a command line of its own (the
// header names the options), reduced in its own session, so tests share nothing but the list.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <sstream>
#include <thread>

#include "cli/reduce_cli.h"
#include "cli/reduce_language.h"
#include "record/file_io.h"
#include "record/tr_noop.h"
#include "tools/csv_records.h"
#include "tools/mean_curve_csv.h"
#include "tools/summary_file.h"

namespace velk::cli {

namespace {

namespace fs = std::filesystem;

// Options whose value is a file the run writes: a relative one goes into --out.
const char* const kOutputOptions[] = {"dt2", "dt3", "dt4", "save-params", "summary", "xlsx", "csv"};

struct BatchRow {
  std::string name;
  std::string group;  // repeat tests whose mean curve is written; empty: none
  std::vector<std::string> args;
  std::string problem;  // the row cannot be run
};

struct BatchResult {
  int status = kExitFailed;
  std::string error;
  TestExport exported;
};

std::string Trim(const std::string& s) {
  const auto a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

bool IsFlag(const std::string& option) { return option == "json" || option == "demo"; }

bool IsOutput(const std::string& option) {
  for (const char* o : kOutputOptions) {
    if (option == o) return true;
  }
  return false;
}

// A relative output path goes into the output folder.
std::string UnderOut(const std::string& dir, const std::string& path) {
  if (dir.empty() || fs::path(path).is_absolute()) return path;
  return (fs::path(dir) / path).string();
}

BatchRow MakeRow(const std::vector<std::string>& header, const std::vector<std::string>& cells,
                 std::size_t number, const ReduceOptions& batch) {
  BatchRow row;
  row.name = "test" + std::to_string(number);
  for (std::size_t k = 0; k < header.size() && k < cells.size(); ++k) {
    const std::string value = Trim(cells[k]);
    if (value.empty()) continue;  // keeps the default
    const std::string& option = header[k];
    if (option == "name") {
      row.name = value;
      continue;
    }
    if (option == "group") {
      row.group = value;
      continue;
    }
    if (IsFlag(option)) {
      if (value != "0" && value != "false" && value != "no") row.args.push_back("--" + option);
      continue;
    }
    row.args.push_back("--" + option);
    std::istringstream words(value);
    bool first = true;
    for (std::string w; words >> w; first = false) {
      // The plot's file is its second word.
      const bool output = IsOutput(option) || (option == "plot" && !first);
      row.args.push_back(output ? UnderOut(batch.outDir, w) : w);
    }
  }
  if (!batch.flowStrains.empty()) {
    std::string list;
    for (double e : batch.flowStrains) list += (list.empty() ? "" : ",") + StrainKey(e);
    row.args.insert(row.args.end(), {"--flow-strains", list});
  }
  return row;
}

// The header's option names, without leading dashes. Empty with problem set when unusable.
std::vector<std::string> ReadHeader(const std::vector<CsvRecord>& records, std::string& problem) {
  if (records.empty()) {
    problem = Translate(VELK_TRANSLATE_NOOP("velk", "the list is empty"));
    return {};
  }
  std::vector<std::string> header = records.front();
  for (std::string& h : header) {
    h = Trim(h);
    while (!h.empty() && h.front() == '-') h.erase(h.begin());
    if (h == "batch" || h == "jobs" || h == "j" || h == "out" || h == "flow-strains") {
      problem = FormatArgs(Translate(VELK_TRANSLATE_NOOP(
                               "velk", "the list's column \"%1\" is an option of the whole batch")),
                           {h});
      return {};
    }
  }
  return header;
}

BatchResult RunRow(const BatchRow& row) {
  BatchResult r;
  if (!row.problem.empty()) {
    r.error = row.problem;
    return r;
  }
  ReduceOptions o;
  std::string problem;
  if (ParseReduce(row.args, o, problem) != kExitDone || !o.batch.empty()) {
    r.error =
        problem.empty() ? Translate(VELK_TRANSLATE_NOOP("velk", "the row is not a test")) : problem;
    return r;
  }
  o.batchRow = true;
  ReduceSession s;
  if (const std::string barProblem = ResolveBars(o, s); !barProblem.empty()) {
    r.error = barProblem;
    r.exported.name = row.name;
    r.exported.error = r.error;
    return r;
  }
  r.status = RunSteps(o, s, &r.exported);
  r.exported.name = row.name;
  if (r.status != kExitDone) {
    for (const std::string& m : s.ui.messages) r.error += (r.error.empty() ? "" : " ") + m;
    if (r.error.empty())
      r.error = Translate(VELK_TRANSLATE_NOOP("velk", "the test could not be reduced"));
    r.exported.error = r.error;
  }
  return r;
}

std::string SummaryTable(const std::vector<BatchRow>& rows, const std::vector<BatchResult>& results,
                         const std::vector<double>& strains) {
  std::vector<std::string> header = {"name"};
  for (const std::string& n : SummaryCsvNames(strains)) header.push_back(n);
  header.push_back("error");
  std::string out = CsvLine(header);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::vector<std::string> cells = {rows[i].name};
    const BatchResult& r = results[i];
    std::vector<std::string> values(header.size() - 2);
    if (r.status == kExitDone && !r.exported.timeUs.empty()) {
      values = SummaryCsvCells(r.exported.summary);
    }
    cells.insert(cells.end(), values.begin(), values.end());
    cells.push_back(r.status == kExitDone ? std::string() : r.error);
    out += CsvLine(cells);
  }
  return out;
}

// A group's name as part of a file name: characters a file system would take for folders or
// refuse become "_".
std::string FileNamePart(const std::string& group) {
  std::string s = group;
  for (char& c : s) {
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
      c = '_';
  }
  return s == "." || s == ".." ? "_" : s;
}

// Each group's mean engineering and true curves, "mean_GROUP_engineering.csv" and
// "mean_GROUP_true.csv" in dir, from the group's tests that were reduced. Returns false when a
// group gave no curve; the reason is written to err.
bool WriteGroupMeans(const std::vector<BatchRow>& rows, const std::vector<BatchResult>& results,
                     const std::string& dir, std::ostream& err) {
  std::vector<std::string> groups;
  for (const BatchRow& r : rows) {
    if (!r.group.empty() && std::find(groups.begin(), groups.end(), r.group) == groups.end())
      groups.push_back(r.group);
  }
  bool ok = true;
  for (const std::string& g : groups) {
    for (const bool trueCurves : {false, true}) {
      const int strain = trueCurves ? kTrueStrain : kEngStrain;
      const int stress = trueCurves ? kTrueStress : kEngStress;
      std::vector<StressStrainCurve> curves;
      for (std::size_t i = 0; i < rows.size(); ++i) {
        const TestExport& t = results[i].exported;
        if (rows[i].group != g || results[i].status != kExitDone) continue;
        curves.push_back({rows[i].name, t.curves[strain], t.curves[stress]});
      }
      const MeanCurveResult mean = ComputeMeanCurve(curves);
      FileResult written;
      if (mean.ok()) {
        const std::string name =
            "mean_" + FileNamePart(g) + (trueCurves ? "_true.csv" : "_engineering.csv");
        written = WriteMeanCurveCsv((fs::path(dir) / name).string(), mean.curve, trueCurves);
      } else {
        written = FileResult::Failure(mean.message, mean.args);
      }
      if (!written) {
        err << "velk-reduce: "
            << FormatArgs(Translate(VELK_TRANSLATE_NOOP("velk", "group %1: %2")),
                          {g, FormatArgs(Translate(written.message), written.args)})
            << "\n";
        ok = false;
        break;
      }
    }
  }
  return ok;
}

}  // namespace

void AddBatchOptions(CLI::App& app, ReduceOptions& o) {
  const char* group = VELK_TRANSLATE_NOOP("velk", "Batch");
  app.add_option(
         "--batch", o.batch,
         VELK_TRANSLATE_NOOP(
             "velk",
             "Reduce every test of a CSV list: a header row naming options of this command "
             "(tek, params, method, dt3, summary ...; several values in one cell separated by "
             "blanks; an empty cell keeps the default), a column \"name\" naming each test, one "
             "row per test. Writes summary.csv with a row per test (or its error)"))
      ->type_name("LIST.csv")
      ->group(group);
  app.add_option("-j,--jobs", o.jobs,
                 VELK_TRANSLATE_NOOP("velk", "Tests reduced at once (default: every core)"))
      ->check(CLI::Range(1, 1024))
      ->type_name("N")
      ->group(group);
  app.add_option(
         "--out", o.outDir,
         VELK_TRANSLATE_NOOP(
             "velk", "Folder for summary.csv and for every relative output path of the list"))
      ->type_name("DIR")
      ->group(group);
}

std::string CheckBatchOptions(const ReduceOptions& o) {
  const bool others = o.InputCount() > 0 || !o.params.empty() || o.method || !o.tools.empty() ||
                      !o.dt2.empty() || !o.dt3.empty() || !o.dt4.empty() || !o.saveParams.empty() ||
                      o.json || !o.plot.plot.empty() || !o.summary.empty() || !o.csv.empty() ||
                      !o.uncertainty.empty();
  if (others) {
    return VELK_TRANSLATE_NOOP("velk",
                               "with --batch the tests and their outputs come from the list; "
                               "beside it only -j, --out, --xlsx and --flow-strains");
  }
  return {};
}

int RunBatch(const ReduceOptions& o, std::ostream& out, std::ostream& err) {
  (void)out;
  std::string text;
  if (!ReadWholeFile(o.batch, text)) {
    err << "velk-reduce: "
        << FormatArgs(Translate(VELK_TRANSLATE_NOOP("velk", "the list %1 cannot be read")),
                      {o.batch})
        << "\n";
    return kExitFailed;
  }
  const std::vector<CsvRecord> records = ParseCsv(text);
  std::string problem;
  const std::vector<std::string> header = ReadHeader(records, problem);
  if (!problem.empty()) {
    err << "velk-reduce: " << o.batch << ": " << problem << "\n";
    return kExitUsage;
  }
  std::vector<BatchRow> rows;
  for (std::size_t r = 1; r < records.size(); ++r) {
    const CsvRecord& cells = records[r];
    if (cells.size() == 1 && Trim(cells[0]).empty()) continue;  // a blank line
    rows.push_back(MakeRow(header, cells, rows.size() + 1, o));
    if (cells.size() > header.size())
      rows.back().problem =
          Translate(VELK_TRANSLATE_NOOP("velk", "the row has more cells than the header"));
  }
  const std::string dir = o.outDir.empty() ? "." : o.outDir;
  std::error_code ec;
  fs::create_directories(dir, ec);

  std::vector<BatchResult> results(rows.size());
  std::atomic<std::size_t> next{0}, done{0}, failed{0};
  std::mutex progressMutex;
  const bool tty = ::isatty(STDERR_FILENO) == 1;
  auto worker = [&] {
    for (std::size_t i; (i = next++) < rows.size();) {
      results[i] = RunRow(rows[i]);
      if (results[i].status != kExitDone) ++failed;
      const std::size_t d = ++done;
      if (tty) {
        std::lock_guard lock(progressMutex);
        err << "\rvelk-reduce: "
            << FormatArgs(
                   Translate(VELK_TRANSLATE_NOOP("velk", "%1/%2 tests, %3 failed")),
                   {std::to_string(d), std::to_string(rows.size()), std::to_string(failed.load())})
            << std::flush;
      }
    }
  };
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t jobs =
      std::min<std::size_t>(o.jobs > 0 ? static_cast<unsigned>(o.jobs) : cores, rows.size());
  std::vector<std::thread> pool;
  for (std::size_t k = 1; k < jobs; ++k) pool.emplace_back(worker);
  worker();
  for (std::thread& t : pool) t.join();
  if (tty) err << "\n";

  const std::vector<double>& strains = o.flowStrains.empty() ? kDefaultFlowStrains : o.flowStrains;
  int status = failed > 0 ? kExitFailed : kExitDone;
  const std::string table = (fs::path(dir) / "summary.csv").string();
  if (FileResult r = WriteFileAtomically(table, SummaryTable(rows, results, strains)); !r) {
    err << "velk-reduce: " << FormatArgs(Translate(r.message), r.args) << "\n";
    status = kExitFailed;
  }
  if (!o.xlsx.empty()) {
    std::vector<TestExport> tests;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      TestExport t = std::move(results[i].exported);
      t.name = rows[i].name;
      t.flowStrains = strains;
      if (results[i].status != kExitDone) t.error = results[i].error;
      tests.push_back(std::move(t));
    }
    if (FileResult r = WriteBatchWorkbook(o.xlsx, tests); !r) {
      err << "velk-reduce: " << FormatArgs(Translate(r.message), r.args) << "\n";
      status = kExitFailed;
    }
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (results[i].status != kExitDone)
      err << "velk-reduce: " << rows[i].name << ": " << results[i].error << "\n";
  }
  if (!WriteGroupMeans(rows, results, dir, err)) status = kExitFailed;
  return status;
}

}  // namespace velk::cli
