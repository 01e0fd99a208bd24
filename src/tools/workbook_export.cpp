#include "tools/workbook_export.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <set>

#include "analysis/result_band.h"
#include "record/velk_doc.h"
#include "tools/json_text.h"
#include "tools/summary_file.h"

namespace velk {

namespace {

const char* const kForceHeader[] = {"time (µs)", "front force (kN)", "back force (kN)",
                                    "equilibrium ratio R (-)"};

using Sheet = lxw_worksheet;

void Text(Sheet* ws, int row, int col, const std::string& s) {
  worksheet_write_string(ws, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(col), s.c_str(),
                         nullptr);
}

// A number cell; an empty cell for a value that is not finite (an undefined ratio).
void Number(Sheet* ws, int row, int col, double v) {
  if (std::isfinite(v)) {
    worksheet_write_number(ws, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(col), v,
                           nullptr);
  }
}

void WriteRow(Sheet* ws, int row, int col, const std::vector<std::string>& cells) {
  for (std::size_t k = 0; k < cells.size(); ++k) Text(ws, row, col + static_cast<int>(k), cells[k]);
}

void WriteSummaryCells(Sheet* ws, int row, int col, const Summary& s) {
  const auto values = SummaryValues(s);
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (values[k]) Number(ws, row, col + static_cast<int>(k), *values[k]);
  }
}

// Columns of the curves sheet: time, the six curves, and the band's twelve when there is one.
int CurveColumns(const TestExport& t) {
  return 1 + kResultCurveCount + (t.HasBand() ? 2 * kResultCurveCount : 0);
}

void WriteCurves(Sheet* ws, int col, const TestExport& t) {
  WriteRow(ws, 0, col, CurveHeader());
  if (t.HasBand()) WriteRow(ws, 0, col + 1 + kResultCurveCount, BandHeader());
  for (std::size_t i = 0; i < t.timeUs.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    Number(ws, row, col, t.timeUs[i]);
    for (int c = 0; c < kResultCurveCount; ++c) {
      if (i < t.curves[c].size()) Number(ws, row, col + 1 + c, t.curves[c][i]);
      if (!t.HasBand()) continue;
      const int band = col + 1 + kResultCurveCount + 2 * c;
      if (i < t.lower[c].size()) Number(ws, row, band, t.lower[c][i]);
      if (i < t.upper[c].size()) Number(ws, row, band + 1, t.upper[c][i]);
    }
  }
}

void WriteForces(Sheet* ws, int col, const ForceBalance& f) {
  for (int k = 0; k < 4; ++k) Text(ws, 0, col + k, kForceHeader[k]);
  for (std::size_t i = 0; i < f.timeUs.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    Number(ws, row, col, f.timeUs[i]);
    Number(ws, row, col + 1, f.frontKn[i]);
    Number(ws, row, col + 2, f.backKn[i]);
    Number(ws, row, col + 3, f.ratio[i]);
  }
}

// libxlsxwriter writes to a named file; it writes a temporary one beside the target, which then
// replaces the target as every other save does, so a failed export keeps an earlier workbook.
template <class Fill>
FileResult WriteWorkbook(const std::string& path, Fill&& fill) {
  if (FileResult r = CheckWritable(path); !r) return r;
  const std::string temp = path + ".velk-xlsx";
  lxw_workbook* wb = workbook_new(temp.c_str());
  if (wb == nullptr) return SaveFailure(EACCES, path);
  // A fixed creation time: the same test gives the same workbook.
  lxw_doc_properties props{};
  props.created = 1;
  workbook_set_properties(wb, &props);
  fill(wb);
  const lxw_error e = workbook_close(wb);
  std::string bytes;
  const bool read = e == LXW_NO_ERROR && ReadWholeFile(temp, bytes);
  std::remove(temp.c_str());
  if (!read) return SaveFailure(EIO, path);
  return WriteFileAtomically(path, bytes);
}

// Up to 31 characters, none of []:*?/\, unique within the workbook.
std::string SheetName(const std::string& name, std::set<std::string>& used) {
  std::string base;
  for (char c : name) base += std::string("[]:*?/\\").find(c) == std::string::npos ? c : '_';
  if (base.empty()) base = "test";
  // Cut at a character boundary of the UTF-8 text.
  auto cut = [](std::string s, std::size_t n) {
    while (s.size() > n) {
      s.pop_back();
      while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80) s.pop_back();
      if (!s.empty() && static_cast<unsigned char>(s.back()) >= 0xC0) s.pop_back();
    }
    return s;
  };
  std::string out = cut(base, 28);
  for (int k = 2; used.count(out) || out == "summary"; ++k) {
    out = cut(base, 24) + "~" + std::to_string(k);
  }
  used.insert(out);
  return out;
}

std::mutex g_xlsxMutex;  // the library's temporary files and time calls are not ours to vouch for

}  // namespace

TestExport CollectExport(const CVelkDoc& doc, const std::vector<double>& flowStrains) {
  TestExport t;
  const TestParameters& p = doc.ws().params;
  t.flowStrains = flowStrains;
  t.forces = ComputeForceBalance(doc);
  const ResultCurves rc = CurvesOf(doc);
  t.summary = Summarise(rc, t.forces, flowStrains);
  const std::size_t n = rc.stress.size();
  if (n > 0) {
    for (int c = 0; c < kResultCurveCount; ++c) {
      const auto& v = doc.m_smoothed[c];
      t.curves[c].assign(v.begin(), v.begin() + std::min(n, v.size()));
    }
    t.timeUs.resize(n);
    for (std::size_t i = 0; i < n; ++i) t.timeUs[i] = static_cast<double>(i) * p.sampleIntervalUs;
    if (CurrentUncertainty(doc) != nullptr) {
      t.uncertainty = doc.m_uncertainty;
      for (int c = 0; c < kResultCurveCount; ++c) {
        const CurveBand& b = t.uncertainty->result.bands[c];
        t.lower[c].assign(b.lower.begin(), b.lower.begin() + std::min(n, b.lower.size()));
        t.upper[c].assign(b.upper.begin(), b.upper.begin() + std::min(n, b.upper.size()));
      }
    }
  }
  t.parameters = {
      {"sampling frequency (MHz)", p.samplingMhz},
      {"sample interval (µs)", p.sampleIntervalUs},
      {"bar wave speed (m/s)", p.barWaveSpeedMs},
      {"bar modulus (MPa)", p.barModulusMpa},
      {"bar area (mm²)", p.barAreaMm2},
      {"specimen diameter (mm)", p.specimenDiameterMm},
      {"specimen thickness (mm)", p.specimenThicknessMm},
      {"specimen wave speed (m/s)", p.specimenWaveSpeedMs},
      {"matrix wave speed (m/s)", p.matrixWaveSpeedMs},
      {"striker velocity (m/s)", p.strikerVelocityMs},
      {"incident conversion factor (µε per unit)", p.channel[kIncident].factor},
      {"transmitted conversion factor (µε per unit)", p.channel[kTransmitted].factor},
      {"compute model", doc.m_setup.computeModel},
      {"incident window start", doc.m_windows[kIncStart]},
      {"incident window end", doc.m_windows[kIncEnd]},
      {"reflected window start", doc.m_windows[kRefStart]},
      {"reflected window end", doc.m_windows[kRefEnd]},
      {"transmitted window start", doc.m_windows[kTrStart]},
      {"transmitted window end", doc.m_windows[kTrEnd]},
      {"last result index", doc.m_lastResultIndex},
  };
  return t;
}

std::vector<std::string> CurveHeader() {
  return {"time (µs)",
          "engineering stress (MPa)",
          "engineering strain (-)",
          "engineering strain rate (1/s)",
          "true stress (MPa)",
          "true strain (-)",
          "true strain rate (1/s)"};
}

std::vector<std::string> BandHeader() {
  static const char* const kNames[kResultCurveCount][2] = {{"engineering stress", "MPa"},
                                                           {"engineering strain", "-"},
                                                           {"engineering strain rate", "1/s"},
                                                           {"true stress", "MPa"},
                                                           {"true strain", "-"},
                                                           {"true strain rate", "1/s"}};
  std::vector<std::string> h;
  for (const auto& n : kNames) {
    for (const char* bound : {"lower", "upper"}) {
      h.push_back(std::string(n[0]) + " " + bound + " (" + n[1] + ")");
    }
  }
  return h;
}

std::string CurvesCsv(const TestExport& t) {
  std::vector<std::string> header = CurveHeader();
  if (t.HasBand()) {
    for (std::string& h : BandHeader()) header.push_back(std::move(h));
  }
  std::string out = CsvLine(header);
  auto cell = [](const std::vector<double>& v, std::size_t i) {
    return i < v.size() ? ExactNumber(v[i]) : std::string();
  };
  for (std::size_t i = 0; i < t.timeUs.size(); ++i) {
    std::vector<std::string> row = {ExactNumber(t.timeUs[i])};
    for (int c = 0; c < kResultCurveCount; ++c) row.push_back(cell(t.curves[c], i));
    for (int c = 0; t.HasBand() && c < kResultCurveCount; ++c) {
      row.push_back(cell(t.lower[c], i));
      row.push_back(cell(t.upper[c], i));
    }
    out += CsvLine(row);
  }
  return out;
}

FileResult WriteCurvesCsv(const std::string& path, const TestExport& t) {
  return WriteFileAtomically(path, CurvesCsv(t));
}

FileResult WriteTestWorkbook(const std::string& path, const TestExport& t) {
  std::lock_guard lock(g_xlsxMutex);
  return WriteWorkbook(path, [&](lxw_workbook* wb) {
    Sheet* summary = workbook_add_worksheet(wb, "summary");
    const auto names = SummaryCsvNames(t.flowStrains);
    const auto values = SummaryValues(t.summary);
    for (std::size_t k = 0; k < names.size() && k < values.size(); ++k) {
      Text(summary, static_cast<int>(k), 0, names[k]);
      if (values[k]) Number(summary, static_cast<int>(k), 1, *values[k]);
    }
    WriteCurves(workbook_add_worksheet(wb, "curves"), 0, t);
    WriteForces(workbook_add_worksheet(wb, "forces"), 0, t.forces);
    Sheet* params = workbook_add_worksheet(wb, "parameters");
    for (std::size_t k = 0; k < t.parameters.size(); ++k) {
      Text(params, static_cast<int>(k), 0, t.parameters[k].first);
      Number(params, static_cast<int>(k), 1, t.parameters[k].second);
    }
  });
}

FileResult WriteBatchWorkbook(const std::string& path, const std::vector<TestExport>& tests) {
  std::lock_guard lock(g_xlsxMutex);
  return WriteWorkbook(path, [&](lxw_workbook* wb) {
    Sheet* summary = workbook_add_worksheet(wb, "summary");
    const std::vector<double> strains =
        tests.empty() ? kDefaultFlowStrains : tests.front().flowStrains;
    std::vector<std::string> header = {"name"};
    for (const std::string& n : SummaryCsvNames(strains)) header.push_back(n);
    header.push_back("error");
    WriteRow(summary, 0, 0, header);
    std::set<std::string> used;
    for (std::size_t k = 0; k < tests.size(); ++k) {
      const TestExport& t = tests[k];
      const int row = static_cast<int>(k) + 1;
      Text(summary, row, 0, t.name);
      if (!t.error.empty()) {
        Text(summary, row, static_cast<int>(header.size()) - 1, t.error);
        continue;
      }
      WriteSummaryCells(summary, row, 1, t.summary);
      Sheet* ws = workbook_add_worksheet(wb, SheetName(t.name, used).c_str());
      WriteCurves(ws, 0, t);
      WriteForces(ws, CurveColumns(t) + 1, t.forces);
    }
  });
}

}  // namespace velk
