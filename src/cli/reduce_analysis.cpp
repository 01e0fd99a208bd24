// The summary values, the force balance and the spreadsheet export of one test.

#include <CLI/CLI.hpp>
#include <cmath>

#include "cli/reduce_cli.h"
#include "record/tr_noop.h"
#include "tools/summary_file.h"

namespace velk::cli {

void AddAnalysisOptions(CLI::App& app, ReduceOptions& o) {
  const char* group = VELK_TRANSLATE_NOOP("velk", "Summary values and spreadsheets");
  app.add_option("--summary", o.summary,
                 VELK_TRANSLATE_NOOP("velk",
                                     "Write the summary values and the force balance: JSON, or CSV "
                                     "(header and one row) when FILE ends in .csv"))
      ->type_name("FILE.json|FILE.csv")
      ->group(group);
  app.add_option(
         "--flow-strains", o.flowStrains,
         VELK_TRANSLATE_NOOP(
             "velk", "Strains at which the flow stress is reported (default 0.02,0.05,0.1,0.2)"))
      ->delimiter(',')
      ->check(CLI::PositiveNumber)
      ->type_name("E1,E2,...")
      ->group(group);
  app.add_option("--xlsx", o.xlsx,
                 VELK_TRANSLATE_NOOP("velk",
                                     "Write a workbook: sheets summary, curves, forces, parameters "
                                     "(with --batch: a summary sheet and a sheet per test)"))
      ->type_name("FILE.xlsx")
      ->group(group);
  app.add_option("--csv", o.csv,
                 VELK_TRANSLATE_NOOP("velk", "Write the six result curves against time as CSV"))
      ->type_name("FILE.csv")
      ->group(group);
  app.add_option("--uncertainty", o.uncertainty,
                 VELK_TRANSLATE_NOOP(
                     "velk",
                     "Estimate the uncertainty of the results by Monte Carlo (2000 seeded draws) "
                     "from the standard uncertainties in FILE (JSON, the names of the dialog's "
                     "fields), or from the defaults; adds the 95 % band to --summary, --xlsx, "
                     "--csv and --plot"))
      ->type_name("FILE.json|default")
      ->group(group);
}

int WriteAnalysisOutputs(const ReduceOptions& o, ReduceSession& s, TestExport* exported) {
  if (!o.WantsAnalysis() && exported == nullptr) return kExitDone;
  const std::vector<double>& strains = o.flowStrains.empty() ? kDefaultFlowStrains : o.flowStrains;
  TestExport t = CollectExport(*s.doc, strains);
  if (o.WantsAnalysis() && t.timeUs.empty()) {
    s.ui.ShowMessage(VELK_TRANSLATE_NOOP("velk", "尚未计算结果，无法写出汇总值。"));
    return kExitFailed;
  }
  if (!o.summary.empty() &&
      !WriteSummaryFile(o.summary, t.summary, t.forces, strains, t.uncertainty.get())
           .Report(s.ui)) {
    return kExitFailed;
  }
  if (!o.xlsx.empty() && !WriteTestWorkbook(o.xlsx, t).Report(s.ui)) return kExitFailed;
  if (!o.csv.empty() && !WriteCurvesCsv(o.csv, t).Report(s.ui)) return kExitFailed;
  if (exported != nullptr) *exported = std::move(t);
  return kExitDone;
}

}  // namespace velk::cli
