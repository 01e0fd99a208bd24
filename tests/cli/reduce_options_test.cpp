// The reduction half of velk-reduce: parameters, window methods, curve tools, result files.
// The bundled sample (--demo) and the record-file sample are the data.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/reduce_cli.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"

namespace velk::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status = -1;
  std::string out, err;
  nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

CliRun Reduce(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  CliRun r;
  r.status = RunReduce(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

const std::string kSamples = std::string(VELK_SOURCE_DIR) + "/samples/";
const std::string kRecord = kSamples + "record/S1.DAT";

fs::path Dir() {
  const auto d = fs::temp_directory_path() / "velk_reduce_options_test";
  fs::create_directories(d);
  return d;
}

std::string Slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

std::vector<std::string> Lines(const fs::path& p) {
  std::istringstream s(Slurp(p));
  std::vector<std::string> lines;
  for (std::string l; std::getline(s, l);) lines.push_back(l);
  return lines;
}

TEST(ReduceOptions, UsageErrorsExitTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {"--demo", "--method", "1"},                       // no picks
      {"--demo", "--picks", "1", "2", "3"},              // picks without method 1
      {"--demo", "--method", "1", "--picks", "1", "2"},  // two picks
      {"--demo", "--method", "3"},                       // no windows
      {"--demo", "--windows", "1", "2", "3", "4", "5", "6"},
      {"--demo", "--method", "4"},
      {"--demo", "--model", "5"},
      {"--demo", "--bar-material", "2"},
      {"--demo", "--bar-diameter", "-1"},
      {"--demo", "--sampling-mhz", "0"},
      {"--demo", "--baseline-inc", "10", "5"},
      {"--demo", "--baseline-tr", "-1", "5"},
      {"--demo", "--smooth", "3", "4"},
      {"--demo", "--cut"},
      {"--demo", "--factor-inc", "5", "--bridge-inc", "1", "8", "500", "2.1"},
      {"--demo", "--bridge-tr", "1", "8", "500"},
      {"--demo", "--tek", "a", "b"},
      {"--demo", "--start", "1", "1"},
      {"--cs", "a", "b", "--bridge-inc", "1", "8", "500", "2.1"},
      {"--demo", "--straighten", "x"},
  };
  for (const auto& args : bad) {
    const CliRun r = Reduce(args);
    EXPECT_EQ(r.status, kExitUsage) << testing::PrintToString(args) << r.err;
    EXPECT_NE(r.err.find("Usage: velk-reduce"), std::string::npos) << r.err;
  }
  const CliRun help = Reduce({"--help"});
  for (const char* opt :
       {"--demo", "--method", "--picks", "--windows", "--smooth-waves", "--smooth", "--cut",
        "--straighten", "--dt2", "--dt3", "--dt4", "--bridge-inc", "--baseline-tr", "--model"})
    EXPECT_NE(help.out.find(opt), std::string::npos) << opt;
}

TEST(ReduceOptions, DataTheProgramRefusesExitsOneWithItsMessage) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"--demo", "--baseline-inc", "0", "3000"}, "runs past the last sample 2999"},
      {{"--demo", "--smooth", "0"}, "The smoothing points must lie between 1 and"},
      {{"--demo", "--smooth-waves", "2000"}, "The smoothing points must lie between 1 and"},
      {{"--demo", "--cut", "5000"}, "lies outside the curve"},
      {{"--demo", "--cut", "-1"}, "lies outside the curve"},
      {{"--demo", "--straighten", "3"}, "at least 10 points from either end"},
      {{"--demo", "--method", "1", "--picks", "0", "0", "0"}, "up to the picked point 0"},
      {{"--demo", "--method", "3", "--windows", "400", "1026", "1377", "2002", "1500", "1200"},
       "before its start"},
      {{"--demo", "--specimen-thickness", "0"}, "The specimen thickness is 0 mm"},
      {{"--demo", "--dt3", (Dir() / "no/such/dir/x.DT3").string()}, "保存文档失败。"},
  };
  for (const Case& c : cases) {
    const CliRun r = Reduce(c.args);
    EXPECT_EQ(r.status, kExitFailed) << testing::PrintToString(c.args);
    EXPECT_NE(r.err.find("velk-reduce: " + std::string()), std::string::npos);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
}

TEST(ReduceOptions, DemoSummaryHasTheReducedTestsFields) {
  const CliRun r = Reduce({"--demo", "--json"});
  ASSERT_EQ(r.status, kExitDone) << r.err;
  EXPECT_EQ(r.err, "");
  const auto j = r.Json();
  EXPECT_EQ(j["point_count"], 3000);
  const auto w = j["windows"];
  ASSERT_TRUE(w.is_array());
  EXPECT_EQ(j["window_indices"], w);
  // Method 2 finds the simulated pulses within a few samples of where they truly start.
  const int truth[6] = {400, 1026, 1377, 2002, 1185, 1835};
  for (int k : {0, 2, 4}) EXPECT_NEAR(w[k].get<int>(), truth[k], 10) << k;
  EXPECT_EQ(j["last_result_index"], w[5].get<int>() - w[4].get<int>());
  EXPECT_EQ(j["flags"],
            kResultsComputed | kTektronixSource | kWavesLoaded | kHandPickedParams | kBridgeParams);
  // The parameter file keeps the factor in single precision.
  EXPECT_EQ(j["conversion_factors"][0].get<double>(), static_cast<double>(476.190476f));
  EXPECT_EQ(j["model"], 0);
  EXPECT_EQ(j["bar"]["wave_speed"], 5122.0);
  EXPECT_EQ(j["bar"]["area"].get<double>(), 201.0619264);
  // The baseline means are those of the sample's first 200 samples, offsets of 12 and -8 mV.
  EXPECT_NEAR(j["baseline_means"][0].get<double>(), 0.012, 0.001);
  EXPECT_NEAR(j["baseline_means"][1].get<double>(), -0.008, 0.001);
}

TEST(ReduceOptions, ParametersApplyAfterTheParameterFileInTheirOrder) {
  const fs::path pat = Dir() / "p.PAT";
  const CliRun r = Reduce({"--record",
                           kRecord,
                           "--params",
                           kSamples + "tek/T1.PAT",
                           "--sampling-mhz",
                           "10",
                           "--specimen-diameter",
                           "6.5",
                           "--specimen-thickness",
                           "3",
                           "--striker-velocity",
                           "12.5",
                           "--bar-material",
                           "1",
                           "--bar-diameter",
                           "1",
                           "--model",
                           "3",
                           "--factor-tr",
                           "5",
                           "--bridge-inc",
                           "2",
                           "10",
                           "1000",
                           "2",
                           "--baseline-inc",
                           "10",
                           "109",
                           "--save-params",
                           pat.string(),
                           "--json"});
  ASSERT_EQ(r.status, kExitDone) << r.err;
  const auto j = r.Json();
  // Not computed: nothing asked for results.
  EXPECT_TRUE(j["windows"].is_null());
  EXPECT_TRUE(j["last_result_index"].is_null());
  EXPECT_EQ(j["model"], 3);
  EXPECT_EQ(j["bar"]["wave_speed"], 5065.0);
  EXPECT_EQ(j["bar"]["area"].get<double>(), 1256.63704);
  // The bridge factor as the page shows it: 4e6 / 40000 = "100.000000".
  EXPECT_EQ(j["conversion_factors"], nlohmann::json({100.0, 5.0}));
  EXPECT_EQ(j["flags"].get<int>() & (kBridgeParams | kCalibration), kBridgeParams);
  EXPECT_EQ(j["baselines"], nlohmann::json({10, 109, 0, 199}));
  // The incident mean follows the new range over the raw record readings.
  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  ASSERT_EQ(RecordFileReader(kRecord).Read(doc, ui), kReadOk);
  double sum = 0;
  for (int i = 10; i <= 109; ++i) sum += doc.m_rawInc[i];
  EXPECT_DOUBLE_EQ(j["baseline_means"][0].get<double>(), sum / 100);
  EXPECT_DOUBLE_EQ(j["baseline_means"][1].get<double>(), doc.m_trBaseMean);
  const auto lines = Lines(pat);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "5065.000000 71420.000000 1256.637040 100.000000 5.000000 10.000000 1000.000000 "
            "2.000000 2.000000 8.000000 500.000000 2.100000 1.000000 ");
  EXPECT_EQ(lines[1], "6.500000 3.000000 0.000000 0.000000 0.100000 12.500000 15.000000 ");
}

TEST(ReduceOptions, CurveToolsRunInCommandLineOrder) {
  const fs::path a = Dir() / "a.DT3", b = Dir() / "b.DT3", c = Dir() / "c.DT3";
  ASSERT_EQ(Reduce({"--demo", "--smooth", "5", "--cut", "300", "--dt3", a.string()}).status,
            kExitDone);
  ASSERT_EQ(Reduce({"--demo", "--cut", "300", "--smooth", "5", "--dt3", b.string()}).status,
            kExitDone);
  const auto la = Lines(a), lb = Lines(b);
  ASSERT_EQ(la.size(), 301u);
  ASSERT_EQ(lb.size(), 301u);
  // Smoothing after the cut keeps the last point as it was; before the cut it is a mean.
  EXPECT_NE(la.back(), lb.back());
  EXPECT_EQ(la[100], lb[100]);

  // Two smoothing passes compound; without smoothing the file holds the computed curves.
  const CliRun once = Reduce({"--demo", "--smooth", "5", "--dt3", a.string()});
  const CliRun twice = Reduce({"--demo", "--smooth", "5", "--smooth", "5", "--dt3", b.string()});
  ASSERT_EQ(once.status, kExitDone);
  ASSERT_EQ(twice.status, kExitDone);
  ASSERT_EQ(Reduce({"--demo", "--dt3", c.string()}).status, kExitDone);
  EXPECT_NE(Slurp(a), Slurp(b));
  EXPECT_NE(Slurp(a), Slurp(c));

  // Straightening rewrites the computed engineering curve, not the result files' smoothed
  // copies, but shortens every curve by the points it removes.
  const CliRun s = Reduce({"--demo", "--straighten", "40", "--json"});
  ASSERT_EQ(s.status, kExitDone) << s.err;
  EXPECT_EQ(s.err, "");  // the centre-point prompt is answered, not reported
  const CliRun plain = Reduce({"--demo", "--json"});
  EXPECT_LE(s.Json()["last_result_index"].get<int>(), plain.Json()["last_result_index"].get<int>());
}

TEST(ReduceOptions, WindowMethodsAndSmoothedWaves) {
  // Method 1 with picks after each peak, method 3 with the windows the sample's parameter file
  // holds; the prompts of method 1 are answered and not reported.
  const CliRun m1 = Reduce({"--demo", "--method", "1", "--picks", "700", "1500", "1700", "--json"});
  ASSERT_EQ(m1.status, kExitDone) << m1.err;
  EXPECT_EQ(m1.err, "");
  const CliRun m3 = Reduce({"--demo", "--method", "3", "--windows", "400", "1026", "1377", "2002",
                            "1185", "1835", "--json"});
  ASSERT_EQ(m3.status, kExitDone) << m3.err;
  EXPECT_EQ(m3.Json()["windows"], nlohmann::json({400, 1026, 1377, 2002, 1185, 1835}));
  EXPECT_EQ(m3.Json()["last_result_index"], 650);
  const CliRun m2 = Reduce({"--demo", "--json"});
  for (int k : {0, 2, 4}) {
    EXPECT_NEAR(m1.Json()["windows"][k].get<int>(), m2.Json()["windows"][k].get<int>(), 3) << k;
  }

  // Smoothed waves: the computation reads them and the wave-smoothing flag is set.
  const fs::path raw = Dir() / "raw.DT3", smooth = Dir() / "smooth.DT3";
  ASSERT_EQ(Reduce({"--demo", "--method", "3", "--windows", "400", "1026", "1377", "2002", "1185",
                    "1835", "--dt3", raw.string()})
                .status,
            kExitDone);
  const CliRun sw =
      Reduce({"--demo", "--smooth-waves", "3", "--method", "3", "--windows", "400", "1026", "1377",
              "2002", "1185", "1835", "--dt3", smooth.string(), "--json"});
  ASSERT_EQ(sw.status, kExitDone) << sw.err;
  EXPECT_NE(sw.Json()["flags"].get<int>() & kWavesSmoothed, 0);
  EXPECT_NE(Slurp(raw), Slurp(smooth));
  EXPECT_EQ(Lines(raw).size(), Lines(smooth).size());
}

TEST(ReduceOptions, ResultFilesHaveTheirLayouts) {
  const fs::path d2 = Dir() / "r.DT2", d3 = Dir() / "r.DT3", d4 = Dir() / "r.DT4";
  const CliRun r = Reduce({"--record", kRecord, "--method", "3", "--windows", "400", "1043", "1388",
                           "2030", "1194", "1845", "--dt2", d2.string(), "--dt3", d3.string(),
                           "--dt4", d4.string(), "--json"});
  ASSERT_EQ(r.status, kExitDone) << r.err;
  const int n = r.Json()["last_result_index"].get<int>() + 1;
  const auto l2 = Lines(d2), l3 = Lines(d3), l4 = Lines(d4);
  ASSERT_EQ(static_cast<int>(l2.size()), n);
  ASSERT_EQ(static_cast<int>(l3.size()), n);
  ASSERT_EQ(static_cast<int>(l4.size()), n);
  for (int i = 0; i < n; i += 50) {
    // .DT2 is the first two columns of .DT3.
    EXPECT_EQ(l3[i].rfind(l2[i] + " ", 0), 0u) << i;
  }
  // The record sample's parameter file was found beside it.
  EXPECT_NE(r.Json()["flags"].get<int>() & kParamFileFound, 0);
}

TEST(ReduceOptions, APlotOfResultsFollowsTheComputation) {
  const fs::path png = Dir() / "s.png";
  fs::remove(png);
  const CliRun r =
      Reduce({"--record", kRecord, "--method", "2", "--plot", "11", png.string(), "--json"});
  ASSERT_EQ(r.status, kExitDone) << r.err;
  EXPECT_TRUE(fs::exists(png));
  EXPECT_FALSE(r.Json()["last_result_index"].is_null());
}

TEST(ReduceOptions, DemoFindsTheBundledSample) {
  std::vector<std::string> looked;
  const auto folder = DemoSampleFolder(&looked);
  ASSERT_TRUE(folder.has_value());
  EXPECT_TRUE(fs::exists(fs::path(*folder) / "T1_inc.txt"));
  EXPECT_FALSE(looked.empty());
}

}  // namespace
}  // namespace velk::cli
