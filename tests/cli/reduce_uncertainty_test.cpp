// velk-reduce --uncertainty: the band reaches the summary and the CSV; a bad file stops the run
// before anything is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "../record/test_files.h"
#include "cli/reduce_cli.h"
#include "tools/csv_records.h"

namespace velk::cli {
namespace {

int Reduce(const std::vector<std::string>& args, std::string& err) {
  std::ostringstream out, e;
  const int status = RunReduce(args, out, e);
  err = e.str();
  return status;
}

TEST(ReduceUncertainty, FileFeedsTheSummaryAndTheCsvAndABadOneWritesNothing) {
  const TempDir dir;
  const std::string summary = (dir.path() / "s.json").string();
  const std::string csv = (dir.path() / "c.csv").string();
  const std::string dt3 = (dir.path() / "r.DT3").string();
  const std::string file = dir.Write("u.json", R"({"bar_modulus_percent": 4})");
  std::string err;
  ASSERT_EQ(Reduce({"--demo", "--uncertainty", file, "--summary", summary, "--csv", csv}, err),
            kExitDone)
      << err;
  const auto j = nlohmann::json::parse(ReadBytes(summary)).at("uncertainty");
  EXPECT_EQ(j.at("inputs").at("bar_modulus_percent"), 4.0);
  EXPECT_EQ(j.at("inputs").at("gauge_factor_percent"), 1.0);
  EXPECT_EQ(j.at("draws_used"), 2000);
  const auto& peak = j.at("values").at("peak_engineering_stress");
  // Within the band and spread about as 4 % of the modulus with the rest in quadrature.
  EXPECT_LT(peak.at("lower").get<double>(), peak.at("value").get<double>());
  EXPECT_GT(peak.at("upper").get<double>(), peak.at("value").get<double>());
  const double rel = peak.at("standard_uncertainty").get<double>() / peak.at("value").get<double>();
  EXPECT_GT(rel, 0.04);
  EXPECT_LT(rel, 0.08);
  EXPECT_EQ(ParseCsv(ReadBytes(csv)).at(0).size(), 19u);

  for (const char* bad : {R"({"bar_modulus_percent": 4)", R"({"modulus": 4})"}) {
    const std::string path = dir.Write("bad.json", bad);
    EXPECT_EQ(
        Reduce({"--demo", "--uncertainty", path, "--dt3", dt3, "--summary", summary + "2"}, err),
        kExitFailed);
    EXPECT_NE(err.find(path), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(dt3));
    EXPECT_FALSE(std::filesystem::exists(summary + "2"));
  }
  EXPECT_EQ(Reduce({"--demo", "--uncertainty", "default", "--smooth", "5"}, err), kExitUsage);
}

}  // namespace
}  // namespace velk::cli
