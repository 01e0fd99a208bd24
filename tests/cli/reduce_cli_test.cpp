// The reduction half of velk-reduce: input, parameters, window methods, curve tools, result files.
// The bundled samples (--demo is the Tektronix one) and a real recording are the data; the
// malformed inputs are rows of tests/bad-input/catalogue.tsv.
#include "cli/reduce_cli.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "../record/test_files.h"
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

// The words of a command line, split at blanks, then `more`.
std::vector<std::string> Args(const std::string& line, std::vector<std::string> more = {}) {
  std::istringstream s(line);
  std::vector<std::string> args;
  for (std::string w; s >> w;) args.push_back(w);
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

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
const std::string kData = std::string(VELK_TEST_DATA) + "/realdata/";
const std::string kSampleWindows = " --method 3 --windows 400 1026 1377 2002 1185 1835 ";

fs::path Dir() {
  const auto d = fs::temp_directory_path() / "velk_reduce_cli_test";
  fs::create_directories(d);
  return d;
}

std::vector<std::string> Lines(const fs::path& p) {
  std::istringstream s(ReadBytes(p.string()));
  std::vector<std::string> lines;
  for (std::string l; std::getline(s, l);) lines.push_back(l);
  return lines;
}

TEST(ReduceCli, UsageErrorsExitTwoWithAUsageLine) {
  for (const char* line :
       {"", "--tek a", "--tek a b c", "--cs a b --tek c d", "--record r --start 1 1",
        "--tek a b --start x 1", "--json", "--demo --method 1", "--demo --picks 1 2 3",
        "--demo --method 1 --picks 1 2", "--demo --method 3", "--demo --windows 1 2 3 4 5 6",
        "--demo --bar-material 2", "--demo --baseline-inc 10 5", "--demo --smooth 3 4",
        "--demo --factor-inc 5 --bridge-inc 1 8 500 2.1", "--demo --bridge-tr 1 8 500",
        "--cs a b --bridge-inc 1 8 500 2.1", "--demo --straighten x"}) {
    const CliRun r = Reduce(Args(line));
    EXPECT_EQ(r.status, kExitUsage) << line;
    EXPECT_NE(r.err.find("Usage: velk-reduce"), std::string::npos) << line << ": " << r.err;
    EXPECT_TRUE(r.out.empty()) << line;
  }
  const CliRun help = Reduce({"--help"});
  EXPECT_EQ(help.status, kExitDone);
  EXPECT_NE(help.out.find("--tek"), std::string::npos);
}

TEST(ReduceCli, DataTheProgramRefusesExitsOneWithItsMessage) {
  const CliRun missing = Reduce({"--tek", kData + "cu273K_inc.txt", "/no/such/file", "--json"});
  EXPECT_EQ(missing.status, kExitFailed);
  EXPECT_EQ(missing.err, "velk-reduce: Open file /no/such/file fault!\n");
  EXPECT_TRUE(missing.out.empty());
  for (auto [line, message] :
       {std::pair{"--demo --baseline-inc 0 3000", "runs past the last sample 2999"},
        {"--demo --method 1 --picks 0 0 0", "up to the picked point 0"}}) {
    const CliRun r = Reduce(Args(line));
    EXPECT_EQ(r.status, kExitFailed) << line;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  }
}

TEST(ReduceCli, SummaryHasExactDoublesAndNullsForWhatIsNotKnown) {
  const CliRun r = Reduce({"--tek", kData + "epoxy01_inc.txt", kData + "epoxy01_tr.txt", "--start",
                           "100", "0", "--json"});
  ASSERT_EQ(r.status, kExitDone) << r.err;
  EXPECT_TRUE(r.err.empty());
  const auto j = r.Json();
  EXPECT_EQ(j["point_count"], 19900);
  EXPECT_EQ(j["flags"], kTektronixSource | kWavesLoaded);
  EXPECT_TRUE(j["windows"].is_null());
  EXPECT_TRUE(j["last_result_index"].is_null());
  EXPECT_EQ(j["conversion_factors"][0].get<double>(), 476.1904761904762);
  // The means read back bit for bit what the program computed, printed as "%.17g" prints them.
  Workspace ws;
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  ws.waveOpen = {kData + "epoxy01_inc.txt", kData + "epoxy01_tr.txt", 100, 0};
  ASSERT_EQ(ReadTektronixWaves(doc, ui), kReadOk);
  char text[64];
  std::snprintf(text, sizeof text, "[%.17g,%.17g]", doc.m_incBaseMean, doc.m_trBaseMean);
  EXPECT_NE(r.out.find(text), std::string::npos) << r.out;
  // Without --json nothing is printed.
  EXPECT_EQ(Reduce({"--tek", kData + "cu273K_inc.txt", kData + "cu273K_tr.txt"}).out, "");

  // The bundled sample: the parameter file keeps the factor in single precision.
  const auto d = Reduce({"--demo", "--json"}).Json();
  EXPECT_EQ(d["last_result_index"], d["windows"][5].get<int>() - d["windows"][4].get<int>());
  EXPECT_EQ(d["flags"],
            kResultsComputed | kTektronixSource | kWavesLoaded | kHandPickedParams | kBridgeParams);
  EXPECT_EQ(d["conversion_factors"][0].get<double>(), static_cast<double>(476.190476f));
  EXPECT_NEAR(d["baseline_means"][0].get<double>(), 0.012, 0.001);
}

TEST(ReduceCli, ParametersApplyAfterTheParameterFileInTheirOrder) {
  const fs::path pat = Dir() / "p.PAT";
  const CliRun r = Reduce(
      Args("--record " + kRecord + " --params " + kSamples +
               "tek/T1.PAT --sampling-mhz 10 --specimen-diameter 6.5 --specimen-thickness 3 "
               "--striker-velocity 12.5 --bar-material 1 --bar-diameter 1 --model 3 --factor-tr 5 "
               "--bridge-inc 2 10 1000 2 --baseline-inc 10 109 --json --save-params",
           {pat.string()}));
  ASSERT_EQ(r.status, kExitDone) << r.err;
  const auto j = r.Json();
  EXPECT_TRUE(j["windows"].is_null()) << "nothing asked for results";
  EXPECT_EQ(j["model"], 3);
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
  const auto lines = Lines(pat);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "5065.000000 71420.000000 1256.637040 100.000000 5.000000 10.000000 1000.000000 "
            "2.000000 2.000000 8.000000 500.000000 2.100000 1.000000 ");
  EXPECT_EQ(lines[1], "6.500000 3.000000 0.000000 0.000000 0.100000 12.500000 15.000000 ");
}

TEST(ReduceCli, CurveToolsRunInCommandLineOrder) {
  const fs::path a = Dir() / "a.DT3", b = Dir() / "b.DT3";
  ASSERT_EQ(Reduce(Args("--demo --smooth 5 --cut 300 --dt3", {a.string()})).status, kExitDone);
  ASSERT_EQ(Reduce(Args("--demo --cut 300 --smooth 5 --dt3", {b.string()})).status, kExitDone);
  const auto la = Lines(a), lb = Lines(b);
  ASSERT_EQ(la.size(), 301u);
  ASSERT_EQ(lb.size(), 301u);
  // Smoothing after the cut keeps the last point as it was; before the cut it is a mean.
  EXPECT_NE(la.back(), lb.back());
  EXPECT_EQ(la[100], lb[100]);

  // Straightening shortens every curve by the points it removes; its centre-point prompt is
  // answered, not reported.
  const CliRun s = Reduce(Args("--demo --straighten 40 --json"));
  ASSERT_EQ(s.status, kExitDone) << s.err;
  EXPECT_EQ(s.err, "");
  EXPECT_LE(s.Json()["last_result_index"].get<int>(),
            Reduce(Args("--demo --json")).Json()["last_result_index"].get<int>());
}

TEST(ReduceCli, WindowMethodsSmoothedWavesAndResultFileLayouts) {
  // Method 1 with picks after each peak lands where method 2 does; method 3 takes the windows.
  const CliRun m1 = Reduce(Args("--demo --method 1 --picks 700 1500 1700 --json"));
  ASSERT_EQ(m1.status, kExitDone) << m1.err;
  EXPECT_EQ(m1.err, "");
  const CliRun m2 = Reduce(Args("--demo --json"));
  for (int k : {0, 2, 4}) {
    EXPECT_NEAR(m1.Json()["windows"][k].get<int>(), m2.Json()["windows"][k].get<int>(), 3) << k;
  }
  const fs::path raw = Dir() / "raw.DT3", smooth = Dir() / "smooth.DT3";
  const CliRun m3 = Reduce(Args("--demo --json" + kSampleWindows + "--dt3", {raw.string()}));
  ASSERT_EQ(m3.status, kExitDone) << m3.err;
  EXPECT_EQ(m3.Json()["windows"], nlohmann::json({400, 1026, 1377, 2002, 1185, 1835}));
  EXPECT_EQ(m3.Json()["last_result_index"], 650);

  // Smoothed waves: the computation reads them and the wave-smoothing flag is set.
  const CliRun sw =
      Reduce(Args("--demo --smooth-waves 3 --json" + kSampleWindows + "--dt3", {smooth.string()}));
  ASSERT_EQ(sw.status, kExitDone) << sw.err;
  EXPECT_NE(sw.Json()["flags"].get<int>() & kWavesSmoothed, 0);
  EXPECT_NE(ReadBytes(raw.string()), ReadBytes(smooth.string()));
  EXPECT_EQ(Lines(raw).size(), Lines(smooth).size());

  // .DT2 is the first two columns of .DT3; .DT4 has as many rows.
  const fs::path d2 = Dir() / "r.DT2", d3 = Dir() / "r.DT3", d4 = Dir() / "r.DT4";
  const CliRun r = Reduce(
      Args("--record " + kRecord + " --json --method 3 --windows 400 1043 1388 2030 1194 1845",
           {"--dt2", d2.string(), "--dt3", d3.string(), "--dt4", d4.string()}));
  ASSERT_EQ(r.status, kExitDone) << r.err;
  const std::size_t n = r.Json()["last_result_index"].get<std::size_t>() + 1;
  const auto l2 = Lines(d2), l3 = Lines(d3), l4 = Lines(d4);
  ASSERT_EQ(l2.size(), n);
  ASSERT_EQ(l3.size(), n);
  ASSERT_EQ(l4.size(), n);
  for (std::size_t i = 0; i < n; i += 50) EXPECT_EQ(l3[i].rfind(l2[i] + " ", 0), 0u) << i;
}

}  // namespace
}  // namespace velk::cli
