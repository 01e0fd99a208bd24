// The spreadsheet export read back by an independent reader (openpyxl), and the summary files.

#include "tools/workbook_export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "../record/test_files.h"
#include "openpyxl.h"
#include "tools/summary_file.h"

namespace velk {
namespace {

TestExport SmallTest(const std::string& name) {
  TestExport t;
  t.name = name;
  t.flowStrains = kDefaultFlowStrains;
  for (int i = 0; i < 4; ++i) {
    t.timeUs.push_back(0.2 * i);
    for (int c = 0; c < kResultCurveCount; ++c) t.curves[c].push_back(c * 10 + i);
  }
  t.forces = BalanceFromStrains(std::vector<double>{0, 500, 1000, 1000},
                                std::vector<double>{0, -100, -400, -500},
                                std::vector<double>{0, 0, 600, 500}, 0.2, {2e7, 2e7});
  t.summary.peakStressMpa = 123.5;
  t.summary.flowStress = {{0.02, 50.0}, {0.05, std::nullopt}};
  t.parameters = {{"bar modulus (MPa)", 200000}};
  return t;
}

using testing::ReadWithOpenpyxl;

TEST(WorkbookExport, SheetsAndHeaderRowsWithUnits) {
  TempDir dir;
  const std::string path = (dir.path() / "t.xlsx").string();
  ASSERT_TRUE(WriteTestWorkbook(path, SmallTest("T1")));
  const std::string out = ReadWithOpenpyxl(
      path,
      "print(wb.sheetnames)\n"
      "print([c.value for c in wb[\"curves\"][1]])\n"
      "print([c.value for c in wb[\"forces\"][1]])\n"
      "print(float(wb[\"curves\"].cell(3, 3).value), wb[\"forces\"].cell(2, 4).value,"
      " float(round(wb[\"forces\"].cell(4, 2).value, 9)))\n"
      "print(wb[\"summary\"].cell(1, 1).value, wb[\"summary\"].cell(1, 2).value)\n");
  EXPECT_EQ(out,
            "['summary', 'curves', 'forces', 'parameters']\n"
            "['time (µs)', 'engineering stress (MPa)', 'engineering strain (-)', 'engineering "
            "strain rate (1/s)', 'true stress (MPa)', 'true strain (-)', 'true strain rate "
            "(1/s)']\n"
            "['time (µs)', 'front force (kN)', 'back force (kN)', 'equilibrium ratio R (-)']\n"
            "11.0 None 12.0\n"
            "peak_stress_mpa 123.5\n");

  // A batch workbook: the summary sheet, then one sheet per test that did not fail.
  std::vector<TestExport> tests = {SmallTest("a/b"), SmallTest("a:b"), SmallTest("bad")};
  tests[2].error = "无法读取";
  ASSERT_TRUE(WriteBatchWorkbook(path, tests));
  EXPECT_EQ(ReadWithOpenpyxl(path,
                             "print(wb.sheetnames)\n"
                             "s = wb[\"summary\"]\n"
                             "print(s.cell(1, 1).value, s.cell(2, 2).value, s.cell(4, 1).value,"
                             " s.cell(4, s.max_column).value)\n"),
            "['summary', 'a_b', 'a_b~2']\nname 123.5 bad 无法读取\n");
}

TEST(WorkbookExport, CsvAndSummaryFiles) {
  const TestExport t = SmallTest("T1");
  const std::string csv = CurvesCsv(t);
  EXPECT_EQ(csv.substr(0, csv.find('\n')),
            "time (µs),engineering stress (MPa),engineering strain (-),engineering strain rate "
            "(1/s),true stress (MPa),true strain (-),true strain rate (1/s)");
  EXPECT_NE(csv.find("\n0.20000000000000001,1,11,21,31,41,51\n"), std::string::npos);

  TempDir dir;
  const std::string json = (dir.path() / "s.json").string();
  ASSERT_TRUE(WriteSummaryFile(json, t.summary, t.forces, t.flowStrains));
  const auto j = nlohmann::json::parse(ReadBytes(json));
  EXPECT_EQ(j["peak_stress_mpa"], 123.5);
  EXPECT_EQ(j["flow_stress_mpa"]["0.02"], 50.0);
  EXPECT_TRUE(j["flow_stress_mpa"]["0.05"].is_null()) << "beyond the curve";
  EXPECT_TRUE(j["equilibrium"].is_null()) << "never";
  EXPECT_TRUE(j["forces"]["ratio"][0].is_null());
  EXPECT_NEAR(j["forces"]["ratio"][2].get<double>(), 2 * (12.0 - 12.0) / 24.0, 1e-12);
  EXPECT_EQ(j["forces"]["front_kn"].size(), 4u);

  const std::string csvPath = (dir.path() / "s.CSV").string();
  ASSERT_TRUE(WriteSummaryFile(csvPath, t.summary, t.forces, {0.02, 0.05}));
  EXPECT_EQ(ReadBytes(csvPath),
            "peak_stress_mpa,strain_at_peak,max_strain,flow_stress_mpa_0.02,flow_stress_mpa_0.05,"
            "yield_stress_mpa,apparent_modulus_mpa,plateau_rate_mean,plateau_rate_std,"
            "plateau_rate_start_strain,plateau_rate_end_strain,equilibrium_time_us,"
            "equilibrium_strain,energy_mj_per_m3\n"
            "123.5,0,0,50,,,,,,,,,,0\n");
  EXPECT_EQ(CsvLine({"a,b", "say \"x\"", "c"}), "\"a,b\",\"say \"\"x\"\"\",c\n");
}

}  // namespace
}  // namespace velk
