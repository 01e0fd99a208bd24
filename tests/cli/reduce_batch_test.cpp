// --batch: many tests from one list give the same files as the same tests run one by one, and a
// test that fails leaves an error row without stopping the others.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../record/test_files.h"
#include "cli/reduce_cli.h"

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

}  // namespace
}  // namespace velk::cli
