#pragma once
// Spreadsheet export: the six result curves, the two forces, the summary values and the test
// parameters of one test, as a workbook (.xlsx) or as CSV text with the same header row. A batch
// run puts every test into one workbook: a summary sheet with a row per test and a sheet per test.

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "analysis/summary.h"
#include "record/file_io.h"

namespace velk {

struct ResultUncertainty;

// What the export needs of one test, copied out of the record so that a batch run can release
// each record as soon as it is reduced.
struct TestExport {
  std::string name;
  std::string error;  // a test that failed: only its name and this message are written
  std::vector<double> timeUs;
  std::array<std::vector<double>, kResultCurveCount> curves;  // the smoothed curves
  ForceBalance forces;
  Summary summary;
  std::vector<double> flowStrains;
  std::vector<std::pair<std::string, double>> parameters;  // name with unit, value
  // The uncertainty run of the results, when one belongs to them: then each curve's 95 % band,
  // on the same points as the curves.
  std::shared_ptr<const ResultUncertainty> uncertainty;
  std::array<std::vector<double>, kResultCurveCount> lower, upper;
  bool HasBand() const { return uncertainty != nullptr; }
};

// From a record after a computation (curves and forces empty when nothing was computed).
TestExport CollectExport(const CVelkDoc& doc, const std::vector<double>& flowStrains);

// Header of the curves sheet and of the CSV, with units: time and the six curves.
std::vector<std::string> CurveHeader();
// The columns a band adds after those: each curve's lower and upper bound.
std::vector<std::string> BandHeader();
// The curves as CSV: the header row, then one row per result point ("%.17g"); with a band, its
// columns follow the curves'.
std::string CurvesCsv(const TestExport& t);
FileResult WriteCurvesCsv(const std::string& path, const TestExport& t);

// Sheets "summary", "curves", "forces", "parameters".
FileResult WriteTestWorkbook(const std::string& path, const TestExport& t);
// Sheet "summary" (a row per test: name, the summary values, error) and a sheet per test with its
// curves and forces side by side, named after the test (made unique and fit for a sheet name).
FileResult WriteBatchWorkbook(const std::string& path, const std::vector<TestExport>& tests);

}  // namespace velk
