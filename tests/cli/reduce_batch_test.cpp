// --batch: many tests from one list give the same files as the same tests run one by one, and a
// test that fails leaves an error row without stopping the others.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../record/test_files.h"
#include "cli/reduce_cli.h"
#include "tools/csv_records.h"

namespace velk::cli {
namespace {

namespace fs = std::filesystem;

const std::string kTek = std::string(VELK_SOURCE_DIR) + "/samples/tek/";

int Reduce(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream out, e;
  const int status = RunReduce(args, out, e);
  if (err != nullptr) *err = e.str();
  return status;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

TEST(ReduceBatch, TwentyTestsOneBrokenSameAsSingleRuns) {
  if (!fs::exists(kTek + "T1.PAT")) GTEST_SKIP() << "bundled sample not available";
  TempDir dir;
  const fs::path single = dir.path() / "single", batch = dir.path() / "batch";
  fs::create_directories(single);
  const std::string broken = dir.Write("broken.txt", "not a waveform\n");
  // Twenty variants of the sample: thickness and model vary; test 7 reads a broken file.
  std::string list = "name,tek,params,specimen-thickness,model,dt3,summary\n";
  std::vector<std::vector<std::string>> singles;
  for (int k = 1; k <= 20; ++k) {
    const std::string name = "t" + std::to_string(k);
    const std::string inc = k == 7 ? broken : kTek + "T1_inc.txt";
    const std::string thickness = std::to_string(3.5 + 0.05 * k);
    const std::string model = std::to_string(k % 4);
    list += name + "," + inc + " " + kTek + "T1_tr.txt," + kTek + "T1.PAT," + thickness + "," +
            model + "," + name + ".DT3," + name + ".json\n";
    singles.push_back({"--tek", inc, kTek + "T1_tr.txt", "--params", kTek + "T1.PAT",
                       "--specimen-thickness", thickness, "--model", model, "--dt3",
                       (single / (name + ".DT3")).string(), "--summary",
                       (single / (name + ".json")).string()});
  }
  const std::string listPath = dir.Write("list.csv", list);

  std::string err;
  EXPECT_EQ(Reduce({"--batch", listPath, "-j", "2", "--out", batch.string(), "--xlsx",
                    (batch / "all.xlsx").string()},
                   &err),
            kExitFailed)
      << "one test failed";
  EXPECT_NE(err.find("t7: "), std::string::npos) << err;
  for (std::size_t k = 0; k < singles.size(); ++k) {
    const std::string name = "t" + std::to_string(k + 1);
    const int status = Reduce(singles[k]);
    EXPECT_EQ(status, k == 6 ? kExitFailed : kExitDone) << name;
    if (status != kExitDone) continue;
    for (const char* ext : {".DT3", ".json"}) {
      const std::string a = ReadBytes((single / (name + ext)).string());
      EXPECT_FALSE(a.empty());
      EXPECT_EQ(a, ReadBytes((batch / (name + ext)).string())) << name << ext;
    }
  }
  EXPECT_FALSE(fs::exists(batch / "t7.json"));
  const auto rows = Lines(ReadBytes((batch / "summary.csv").string()));
  ASSERT_EQ(rows.size(), 21u);
  EXPECT_EQ(rows[0].rfind("name,peak_stress_mpa,strain_at_peak,", 0), 0u);
  int errors = 0;
  for (std::size_t k = 1; k < rows.size(); ++k) {
    const bool failed = rows[k].back() != ',';
    errors += failed ? 1 : 0;
    EXPECT_EQ(failed, k == 7) << rows[k];
  }
  EXPECT_EQ(errors, 1);
  EXPECT_TRUE(fs::exists(batch / "all.xlsx"));

  // A list that names a batch option in its header is refused before any test runs.
  const std::string bad = dir.Write("bad.csv", "name,jobs\nx,2\n");
  EXPECT_EQ(Reduce({"--batch", bad, "--out", (dir.path() / "none").string()}), kExitUsage);
  EXPECT_EQ(Reduce({"--batch", listPath, "--demo"}), kExitUsage) << "an input beside --batch";
}

// The numbers of a CSV file below its header.
std::vector<std::vector<double>> CsvNumbers(const std::string& path) {
  std::vector<std::vector<double>> rows;
  const std::vector<CsvRecord> records = ParseCsv(ReadBytes(path));
  for (std::size_t r = 1; r < records.size(); ++r) {
    rows.emplace_back();
    for (const std::string& cell : records[r]) rows.back().push_back(std::stod(cell));
  }
  return rows;
}

TEST(ReduceBatch, GroupsWriteMeanCurvesAndALoneTestIsNamed) {
  if (!fs::exists(kTek + "T1.PAT")) GTEST_SKIP() << "bundled sample not available";
  TempDir dir;
  const std::string test = kTek + "T1_inc.txt " + kTek + "T1_tr.txt," + kTek + "T1.PAT,";
  // Group a: three specimens of different thickness; group same: one test twice; b: alone.
  const std::string list = dir.Write("list.csv",
                                     "name,group,tek,params,specimen-thickness,csv\n"
                                     "a1,a," +
                                         test +
                                         "3.6,a1.csv\n"
                                         "a2,a," +
                                         test +
                                         "3.8,a2.csv\n"
                                         "s1,same," +
                                         test +
                                         ",s1.csv\n"
                                         "a3,a," +
                                         test +
                                         "4.1,a3.csv\n"
                                         "s2,same," +
                                         test +
                                         ",\n"
                                         "b1,b/c," +
                                         test +
                                         ",\n"
                                         "free,," +
                                         test + ",\n");
  const fs::path out = dir.path() / "out";
  std::string err;
  EXPECT_EQ(Reduce({"--batch", list, "-j", "2", "--out", out.string()}, &err), kExitFailed);
  EXPECT_NE(err.find("group b/c: 对比至少需要两条曲线。"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(out / "mean_b_c_engineering.csv"));

  // Columns of the per-test CSV: time, engineering stress, strain, rate, true stress, strain.
  double smallestMax = 1e300;
  for (const char* name : {"a1.csv", "a2.csv", "a3.csv"}) {
    double largest = 0;
    for (const auto& row : CsvNumbers((out / name).string())) largest = std::max(largest, row[2]);
    smallestMax = std::min(smallestMax, largest);
  }
  const auto a = CsvNumbers((out / "mean_a_engineering.csv").string());
  ASSERT_GT(a.size(), 100u);
  EXPECT_EQ(a.back()[0], smallestMax);
  double largestSd = 0;
  for (const auto& row : a) {
    EXPECT_EQ(row[5], 3);
    EXPECT_DOUBLE_EQ(row[3], row[1] - row[2]);
    largestSd = std::max(largestSd, row[2]);
  }
  EXPECT_GT(largestSd, 1.0) << "thicker specimens give other stresses";

  // Two copies of one test: no spread, and at the end the test's stress at its largest strain.
  for (const bool trueCurves : {false, true}) {
    const auto s = CsvNumbers(
        (out / (trueCurves ? "mean_same_true.csv" : "mean_same_engineering.csv")).string());
    ASSERT_FALSE(s.empty());
    for (const auto& row : s) EXPECT_EQ(row[2], 0.0);
    const int strain = trueCurves ? 5 : 2, stress = trueCurves ? 4 : 1;
    std::vector<double> peak = {-1e300, 0};
    for (const auto& row : CsvNumbers((out / "s1.csv").string())) {
      if (row[strain] > peak[0]) peak = {row[strain], row[stress]};
    }
    EXPECT_EQ(s.back()[0], peak[0]);
    EXPECT_EQ(s.back()[1], peak[1]);
  }
  const auto files = std::distance(fs::directory_iterator(out), fs::directory_iterator());
  EXPECT_EQ(files, 9) << "summary, four test CSVs, two groups of two means";
}

}  // namespace
}  // namespace velk::cli
