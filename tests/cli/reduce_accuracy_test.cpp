// End to end: tests with a known answer, written by the simulator in each recorder format, reduced
// by velk-reduce with every window method and the four equilibrium compute models; the recovered
// flow stress must follow the specimen's law.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "../record/test_files.h"
#include "cli/reduce_cli.h"
#include "cli/simulate_compare.h"
#include "cli/simulate_output.h"
#include "cli/simulate_physics.h"

namespace velk::cli {
namespace {

namespace fs = std::filesystem;
using sim::RecorderSettings;
using sim::SimConfig;
using sim::SimResult;

constexpr double kTolerance = 0.02;  // 2 % of the true flow stress

// The three columns of a result file.
std::array<std::vector<double>, 3> ReadColumns(const fs::path& p) {
  std::array<std::vector<double>, 3> c;
  std::ifstream f(p);
  for (double x, y, z; f >> x >> y >> z;) {
    c[0].push_back(x);
    c[1].push_back(y);
    c[2].push_back(z);
  }
  return c;
}

fs::path Dir() {
  static const TempDir dir;
  return dir.path();
}

// One simulated test written as its recorder would, with the command line that opens it.
struct SimulatedTest {
  std::string name;
  SimConfig cfg;
  SimResult result;
  std::vector<std::string> open;  // --tek/--cs/--record and the parameters of the test
};

SimulatedTest Make(const std::string& name, const SimConfig& cfg, const RecorderSettings& rec) {
  SimulatedTest t{name, cfg, sim::Simulate(cfg), {}};
  EXPECT_EQ(sim::CheckConfig(cfg), "");
  const auto ch = sim::Record(t.result.incidentMicrostrain, t.result.transmittedMicrostrain, rec);
  const std::string base = (Dir() / name).string(), inc = base + "_inc.txt", tr = base + "_tr.txt";
  std::ostringstream line;
  line.precision(17);
  if (name.ends_with("tek")) {
    EXPECT_EQ(sim::WriteTektronix(inc, ch.incident, 1 / cfg.samplingMhz), "");
    EXPECT_EQ(sim::WriteTektronix(tr, ch.transmitted, 1 / cfg.samplingMhz), "");
    line << "--tek " << inc << " " << tr;
  } else if (name.ends_with("cs")) {
    EXPECT_EQ(sim::WriteCs20000(inc, ch.incident), "");
    EXPECT_EQ(sim::WriteCs20000(tr, ch.transmitted), "");
    line << "--cs " << inc << " " << tr;
  } else {
    EXPECT_EQ(sim::WriteRecordFile(base + ".DAT", ch.incident, ch.transmitted, 1), "");
    line << "--record " << base << ".DAT";
  }
  line << " --sampling-mhz " << cfg.samplingMhz << " --bar-material " << cfg.barMaterialIndex
       << " --bar-diameter " << cfg.barDiameterIndex << " --specimen-diameter "
       << cfg.specimenDiameterMm << " --specimen-thickness " << cfg.specimenThicknessMm
       << " --specimen-wave-speed " << cfg.specimenWaveSpeedMs << " --factor-inc "
       << rec.incident.factor << " --factor-tr " << rec.transmitted.factor;
  std::istringstream words(line.str());
  for (std::string w; words >> w;) t.open.push_back(w);
  return t;
}

std::vector<SimulatedTest> Tests() {
  // Steel bars, a steel specimen; a 12-bit scope over 10 V with 2 mV noise.
  RecorderSettings scope;
  scope.noiseStd = 0.002;
  scope.seed = 11;
  scope.bits = 12;
  scope.range = 10;
  scope.incident.offset = 0.012;
  scope.transmitted.offset = -0.008;
  // Aluminium bars and a soft copper-like specimen, from a recorder file with one decimal.
  // (With a 10 us rise the two-wave model 2 comes within 1.5-2 % at the start of the plastic
  // part: the front location places the reflected and transmitted fronts, which differ in
  // shape, a few samples apart.)
  const RecorderSettings recorder{
      .incident = {2.5, 3}, .transmitted = {2.5, -2}, .noiseStd = 0.3, .seed = 12};
  // 40 mm steel bars, a larger rate-sensitive specimen, a CS20000 recorder (4096 samples), two
  // active arms.
  const RecorderSettings cs{.incident = {238.0952380952381, 0},
                            .transmitted = {238.0952380952381, 0},
                            .noiseStd = 0.002,
                            .seed = 13};
  return {Make("steel_tek", SimConfig{.law = {200000, 400, 1200, 0, 1}}, scope),
          Make("alu_record", SimConfig{.barMaterialIndex = 1, .law = {117000, 150, 800, 0, 1}},
               recorder),
          Make("rate_cs",
               SimConfig{.barDiameterIndex = 1,
                         .strikerVelocityMs = 18,
                         .specimenDiameterMm = 20,
                         .specimenThicknessMm = 8,
                         .law = {200000, 350, 1500, 0.02, 1},
                         .incidentGaugeMm = 700},
               cs)};
}

// Method 1 picks: the incident peak, the reflected trough and the transmitted peak of the
// noiseless channels. Method 3: the true windows.
std::vector<std::string> MethodArgs(int method, const SimResult& r) {
  const auto& inc = r.incidentMicrostrain;
  const auto& tr = r.transmittedMicrostrain;
  auto at = [](double x) { return std::to_string(static_cast<int>(std::ceil(x))); };
  const auto& w = r.windows;
  if (method == 1) {
    const auto incEnd = inc.begin() + static_cast<long>(std::ceil(w.incidentEnd));
    return {"--picks", std::to_string(std::max_element(inc.begin(), incEnd) - inc.begin()),
            std::to_string(std::min_element(inc.begin(), inc.end()) - inc.begin()),
            std::to_string(std::max_element(tr.begin(), tr.end()) - tr.begin())};
  }
  if (method == 3) {
    return {"--windows",        at(w.incidentStart),    at(w.incidentEnd),   at(w.reflectedStart),
            at(w.reflectedEnd), at(w.transmittedStart), at(w.transmittedEnd)};
  }
  return {};
}

int ReduceArgs(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream out, e;
  const int status = RunReduce(args, out, e);
  if (err) *err = e.str();
  return status;
}

TEST(ReduceAccuracy, EveryMethodAndModelRecoversTheSpecimenLawWithinTwoPercent) {
  std::map<std::string, double> worstPerMethodModel;
  for (const SimulatedTest& t : Tests()) {
    for (int method = 1; method <= 3; ++method) {
      for (int model = 0; model <= 3; ++model) {
        const std::string key = "method " + std::to_string(method) + " model " +
                                std::to_string(model),
                          tag = t.name + " " + key;
        const fs::path dt3 = Dir() / (t.name + ".DT3"), dt4 = Dir() / (t.name + ".DT4");
        std::vector<std::string> args = t.open;
        args.insert(args.end(),
                    {"--model", std::to_string(model), "--method", std::to_string(method), "--dt3",
                     dt3.string(), "--dt4", dt4.string()});
        const auto extra = MethodArgs(method, t.result);
        args.insert(args.end(), extra.begin(), extra.end());
        std::string err;
        ASSERT_EQ(ReduceArgs(args, &err), kExitDone) << tag << ": " << err;
        EXPECT_EQ(err, "") << tag;
        const auto eng = ReadColumns(dt3), tru = ReadColumns(dt4);
        ASSERT_GT(eng[0].size(), 400u) << tag;
        ASSERT_EQ(tru[0].size(), eng[0].size()) << tag;

        const sim::CurveMatch m =
            sim::CompareWithTruth(t.result.truth, t.cfg.law.modulusMpa, eng[0], eng[1]);
        EXPECT_GT(m.comparedPoints, 300) << tag;
        EXPECT_LT(m.worstRelativeError, kTolerance) << tag << " at strain " << m.atStrain;
        worstPerMethodModel[key] = std::max(worstPerMethodModel[key], m.worstRelativeError);

        // The true curves follow from the engineering ones (to the rounding of the files).
        for (std::size_t i = 0; i < eng[0].size(); ++i) {
          const double e = eng[0][i], s = eng[1][i], r = eng[2][i];
          ASSERT_NEAR(tru[0][i], -std::log(1 - e), 2e-5) << tag << " row " << i;
          ASSERT_NEAR(tru[1][i], (1 - e) * s, 1e-4 + 1e-5 * std::abs(s)) << tag << " row " << i;
          ASSERT_NEAR(tru[2][i], r / (1 - e), 1e-4 + 1e-5 * std::abs(r)) << tag << " row " << i;
        }
      }
    }
  }
  // The figure the closing note quotes.
  for (const auto& [key, worst] : worstPerMethodModel)
    std::cout << "[ accuracy ] " << key << ": worst " << worst * 100 << " %\n";
}

TEST(ReduceAccuracy, TheVelkReduceBinaryWritesWhatTheLibraryWrites) {
  const std::string exe = std::string(VELK_BINARY_DIR) + "/src/velk-reduce";
  ASSERT_TRUE(fs::exists(exe)) << exe;
  const fs::path fromBinary = Dir() / "binary.DT3", fromLibrary = Dir() / "library.DT3";
  const fs::path json = Dir() / "binary.json";
  const std::string cmd = "'" + exe + "' --demo --model 3 --dt3 '" + fromBinary.string() +
                          "' --json > '" + json.string() + "'";
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  ASSERT_EQ(ReduceArgs({"--demo", "--model", "3", "--dt3", fromLibrary.string()}), kExitDone);
  const std::string bytes = ReadBytes(fromBinary.string());
  EXPECT_GT(bytes.size(), 10000u);
  EXPECT_EQ(bytes, ReadBytes(fromLibrary.string()));
  EXPECT_NE(ReadBytes(json.string()).find("\"model\":3"), std::string::npos);
}

}  // namespace
}  // namespace velk::cli
