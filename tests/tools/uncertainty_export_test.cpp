// The uncertainty band in the exports: its columns and the summary's "uncertainty" while the band
// belongs to the results, and the exports of today, byte for byte, when it does not.

#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "../record/test_files.h"
#include "../reduction/synthetic.h"
#include "analysis/result_uncertainty.h"
#include "openpyxl.h"
#include "record/file_io.h"
#include "reduction/stress_strain.h"
#include "tools/csv_records.h"
#include "tools/summary_file.h"
#include "tools/workbook_export.h"

namespace velk {
namespace {

using testing::Flat;
using testing::TestRecord;

struct Computed {
  TestRecord r{Flat(900, 0.0), Flat(900, 0.0)};
  Computed() {
    for (int i = 0; i < 200; ++i) {
      r.doc.m_workInc[50 + i] = 1000.0;
      r.doc.m_workInc[350 + i] = -600.0;
      r.doc.m_workTr[630 + i] = 400.0 + i;
    }
    r.doc.m_windows = {50, 200, 350, 500, 650, 800};
    for (auto& c : r.ws.params.channel) c.factor = 1.0;
    r.doc.m_setup.computeModel = kModelReflectedTransmitted;
    EXPECT_TRUE(ComputeStressStrain(r.doc, r.ia));
  }
};

using testing::ReadWithOpenpyxl;

TEST(UncertaintyExport, BandColumnsWhileTheBandBelongsToTheResults) {
  Computed c;
  TempDir dir;
  const std::string xlsx = (dir.path() / "a.xlsx").string();
  const std::string batch = (dir.path() / "b.xlsx").string();
  const std::string plainCsv = CurvesCsv(CollectExport(c.r.doc, kDefaultFlowStrains));
  ASSERT_TRUE(WriteTestWorkbook(xlsx, CollectExport(c.r.doc, kDefaultFlowStrains)));
  const std::string plainXlsx = ReadBytes(xlsx);

  UncertaintyOptions o;
  o.draws = 300;
  ASSERT_TRUE(ComputeResultUncertainty(c.r.doc, {}, c.r.ia, o));
  const TestExport t = CollectExport(c.r.doc, kDefaultFlowStrains);
  const auto plain = ParseCsv(plainCsv);
  const auto banded = ParseCsv(CurvesCsv(t));
  ASSERT_EQ(banded.size(), plain.size());
  ASSERT_EQ(banded[0].size(), 19u);
  EXPECT_EQ(banded[0][7], "engineering stress lower (MPa)");
  EXPECT_EQ(banded[0][18], "true strain rate upper (1/s)");
  for (std::size_t i = 0; i < plain.size(); ++i) {
    ASSERT_EQ(CsvRecord(banded[i].begin(), banded[i].begin() + 7), plain[i]) << "row " << i;
  }
  const auto& mid = banded[plain.size() / 2];
  EXPECT_LT(std::stod(mid[7]), std::stod(mid[1]));
  EXPECT_GT(std::stod(mid[8]), std::stod(mid[1]));

  ASSERT_TRUE(WriteTestWorkbook(xlsx, t));
  ASSERT_TRUE(WriteBatchWorkbook(batch, {t}));
  EXPECT_EQ(
      ReadWithOpenpyxl(xlsx,
                       "c = wb[\"curves\"]\n"
                       "print(c.max_column, c.cell(1, 8).value)\n"
                       "print(c.cell(70, 8).value < c.cell(70, 2).value < c.cell(70, 9).value)\n") +
          ReadWithOpenpyxl(batch, "print(wb.worksheets[1].cell(1, 21).value)\n"),
      "19 engineering stress lower (MPa)\nTrue\ntime (µs)\n");

  const std::string json = (dir.path() / "s.json").string();
  ASSERT_TRUE(WriteSummaryFile(json, t.summary, t.forces, t.flowStrains, t.uncertainty.get()));
  const auto j = nlohmann::json::parse(ReadBytes(json)).at("uncertainty");
  EXPECT_EQ(j.at("draws"), 300);
  EXPECT_EQ(j.at("seed"), kUncertaintySeed);
  EXPECT_EQ(j.at("inputs").at("bar_modulus_percent"), 2.0);
  const auto& peak = j.at("values").at("peak_engineering_stress");
  EXPECT_LT(peak.at("lower").get<double>(), peak.at("value").get<double>());
  EXPECT_GT(peak.at("upper").get<double>(), peak.at("value").get<double>());
  EXPECT_GT(peak.at("standard_uncertainty").get<double>(), 0.0);
  EXPECT_EQ(peak.at("sensitivities").size(), static_cast<std::size_t>(kInputCount));
  EXPECT_GT(peak.at("sensitivities").at("bar_modulus").get<double>(), 0.0);

  // A band that no longer belongs to the results leaves every export as it was without one.
  auto stale = std::make_shared<ResultUncertainty>(*c.r.doc.m_uncertainty);
  stale->fingerprint ^= 1;
  c.r.doc.m_uncertainty = stale;
  const TestExport s = CollectExport(c.r.doc, kDefaultFlowStrains);
  EXPECT_FALSE(s.HasBand());
  EXPECT_EQ(CurvesCsv(s), plainCsv);
  ASSERT_TRUE(WriteTestWorkbook(xlsx, s));
  EXPECT_EQ(ReadBytes(xlsx), plainXlsx);
}

}  // namespace
}  // namespace velk
