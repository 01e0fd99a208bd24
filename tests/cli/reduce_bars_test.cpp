// velk-reduce with the rigs' own bars: the real recordings over their whole pulses, library names
// and the bar options' summary.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "../record/test_files.h"
#include "cli/reduce_cli.h"
#include "cli/simulate_output.h"
#include "cli/simulate_physics.h"
#include "record/bar_library.h"

namespace velk::cli {
namespace {

struct BarRun {
  int status = -1;
  std::string out, err;
};

BarRun Reduce(const std::string& line) {
  std::istringstream s(line);
  std::vector<std::string> args;
  for (std::string w; s >> w;) args.push_back(w);
  std::ostringstream out, err;
  BarRun r;
  r.status = RunReduce(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

const std::string kData = std::string(VELK_TEST_DATA) + "/realdata/";

// Every run reads the library from a folder of the test's own, never the user's.
class ReduceBars : public ::testing::Test {
 protected:
  void SetUp() override { setenv("VELK_CONFIG_DIR", m_dir.path().c_str(), 1); }
  void TearDown() override { unsetenv("VELK_CONFIG_DIR"); }
  TempDir m_dir;
};

TEST_F(ReduceBars, RealRecordingsWithTheirOwnBarsGiveSensibleStressesOverTheWholePulse) {
  struct Rig {
    std::string name, args;
    int transmittedLength;
    double lowMpa, highMpa;  // peak engineering stress expected of the specimen
  };
  const Rig rigs[] = {
      // Epoxy resin on Ø20 mm steel bars: about 290 MPa.
      {"epoxy01",
       "--sampling-mhz 12.5 --specimen-diameter 10 --specimen-thickness 4 --factor-inc 501 "
       "--factor-tr 501 --baseline-inc 0 499 --baseline-tr 0 2999 --bar 5188 210000 20 "
       "--windows 2412 5573 7328 10507 6919 11129",
       4210, 260, 320},
      // 945 steel on the same bars.
      {"steel945s02",
       "--sampling-mhz 31.25 --specimen-diameter 8.0466 --specimen-thickness 4 --factor-inc 496 "
       "--factor-tr 496 --baseline-inc 0 1199 --baseline-tr 0 9999 --bar 5188 210000 20 "
       "--windows 2467 5523 14782 17685 13035 16975",
       3940, 1100, 1500},
      // Annealed copper on Ø9.47 mm Ti-6Al-4V bars.
      {"cu273K",
       "--sampling-mhz 10 --specimen-diameter 6.34 --specimen-thickness 3.204 --factor-inc "
       "606.5 --factor-tr 606.2 --baseline-inc 0 399 --baseline-tr 0 399 --bar 4975 109300 "
       "9.47 0.34 --windows 492 1148 2045 2616 2063 2848",
       785, 280, 400}};
  for (const Rig& rig : rigs) {
    const std::string dt2 = (m_dir.path() / (rig.name + ".DT2")).string();
    const BarRun r = Reduce("--tek " + kData + rig.name + "_inc.txt " + kData + rig.name +
                            "_tr.txt --specimen-wave-speed 0 --method 3 --result-limit 0 --json " +
                            rig.args + " --dt2 " + dt2);
    ASSERT_EQ(r.status, kExitDone) << rig.name << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["last_result_index"], rig.transmittedLength) << rig.name;
    EXPECT_EQ(j["result_limit"], 0);
    EXPECT_EQ(j["transmission_bar"], j["bar"]);
    std::ifstream f(dt2);
    double peak = 0;
    int rows = 0;
    for (double e, s; f >> e >> s; ++rows) peak = std::max(peak, s);  // strain, stress
    EXPECT_EQ(rows, rig.transmittedLength + 1) << rig.name;
    EXPECT_GT(peak, rig.lowMpa) << rig.name;
    EXPECT_LT(peak, rig.highMpa) << rig.name;
  }
}

// Worst relative difference between the reduced engineering stress (DT2: strain, stress) and the
// simulated law over the loading branch's plastic part; last is the last result index compared.
double WorstFlowStressError(const std::string& dt2,
                            const std::vector<std::pair<double, double>>& truth, int& compared,
                            int& last) {
  std::vector<std::pair<double, double>> rows;
  std::ifstream f(dt2);
  for (double e, s; f >> e >> s;) rows.emplace_back(e, s);
  std::size_t peak = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) peak = rows[i].first > rows[peak].first ? i : peak;
  double worst = 0;
  compared = 0;
  for (std::size_t i = 0; i <= peak && i < rows.size(); ++i) {
    const auto [e, s] = rows[i];
    if (e < 0.01 || e > 0.95 * truth.back().first) continue;
    std::size_t k = 1;
    while (k + 1 < truth.size() && truth[k].first < e) ++k;
    const auto [e0, s0] = truth[k - 1];
    const auto [e1, s1] = truth[k];
    const double t = s0 + (s1 - s0) * (e - e0) / (e1 - e0);
    worst = std::max(worst, std::fabs(s - t) / t);
    ++compared;
    last = static_cast<int>(i);
  }
  return worst;
}

TEST_F(ReduceBars, CustomAndSeparateTransmissionBarsRecoverTheSimulatedLawOverTheWholePulse) {
  // Twin Ø20 mm steel bars of E 210 GPa, and a Ti-6Al-4V incident bar with an aluminium
  // transmission bar; pulses over 2500 samples long.
  struct Case {
    std::string name, bars;
    sim::BarConstants bar, trBar;
    double specimenDiameterMm;
    sim::SpecimenLaw law;
  };
  // The specimen's force must stand out of the large bar's pulses.
  const Case cases[] = {{"steel20",
                         "--bar 5188 210000 20",
                         {5188, 210000, BarAreaMm2(20)},
                         {},
                         12,
                         {200000, 400, 1200, 0, 1}},
                        {"ti_alu",
                         "--bar 4975 109300 9.47 0.34 --transmission-bar 5065 71420 9.47 0.33",
                         {4975, 109300, BarAreaMm2(9.47)},
                         {5065, 71420, BarAreaMm2(9.47)},
                         6,
                         {117000, 150, 500, 0, 1}}};
  for (const Case& c : cases) {
    sim::SimConfig cfg{.strikerLengthMm = 500,
                       .riseTimeUs = 10,
                       .specimenDiameterMm = c.specimenDiameterMm,
                       .specimenThicknessMm = 3,
                       .law = c.law,
                       .incidentGaugeMm = 1000,
                       .transmittedGaugeMm = 500,
                       .samplingMhz = 12.5,
                       .sampleCount = 10000,
                       .customBar = c.bar,
                       .transmissionBar = c.trBar};
    ASSERT_EQ(sim::CheckConfig(cfg), "");
    const sim::SimResult r = sim::Simulate(cfg);
    sim::RecorderSettings noisy;
    noisy.noiseStd = 0.002;
    noisy.seed = 21;
    const auto ch = sim::Record(r.incidentMicrostrain, r.transmittedMicrostrain, noisy);
    const std::string base = (m_dir.path() / c.name).string();
    ASSERT_EQ(sim::WriteTektronix(base + "_inc.txt", ch.incident, 0.08), "");
    ASSERT_EQ(sim::WriteTektronix(base + "_tr.txt", ch.transmitted, 0.08), "");
    const auto& w = r.windows;
    auto at = [](double x) { return std::to_string(static_cast<int>(std::ceil(x))); };
    const std::string windows = at(w.incidentStart) + " " + at(w.incidentEnd) + " " +
                                at(w.reflectedStart) + " " + at(w.reflectedEnd) + " " +
                                at(w.transmittedStart) + " " + at(w.transmittedEnd);
    for (int model = 0; model <= 3; ++model) {
      const std::string dt2 = base + std::to_string(model) + ".DT2";
      const BarRun run =
          Reduce("--tek " + base + "_inc.txt " + base + "_tr.txt --sampling-mhz 12.5 " + c.bars +
                 " --specimen-diameter " + std::to_string(c.specimenDiameterMm) +
                 " --specimen-thickness 3 --result-limit 0 --method 3 "
                 "--windows " +
                 windows + " --model " + std::to_string(model) + " --dt2 " + dt2);
      ASSERT_EQ(run.status, kExitDone) << run.err;
      int compared = 0, last = 0;
      const double worst = WorstFlowStressError(dt2, r.truth, compared, last);
      EXPECT_GT(last, 2000) << c.name << " model " << model;  // beyond the old limit
      EXPECT_GT(compared, 1000) << c.name << " model " << model;
      EXPECT_LT(worst, 0.02) << c.name << " model " << model;
    }
  }
}

TEST_F(ReduceBars, LibraryNamesCustomBarsAndTheSummary) {
  std::ofstream(m_dir.path() / "bars.json")
      << R"({"version":1,"materials":[{"name":"Ti","wave_speed":4975,"modulus":109300,)"
      << R"("poisson":0.34,"density":4416}],"diameters":[{"name":"d9","diameter":9.47}]})";
  const BarRun list = Reduce("--list-bars");
  ASSERT_EQ(list.status, kExitDone);
  EXPECT_NE(list.out.find("2\tTi\t4975\t109300\t0.34\t4416\tlibrary"), std::string::npos);

  const BarRun named = Reduce("--demo --bar-material Ti --bar-diameter d9 --json");
  ASSERT_EQ(named.status, kExitDone) << named.err;
  auto j = nlohmann::json::parse(named.out);
  EXPECT_EQ(j["bar"]["wave_speed"], 4975.0);
  EXPECT_DOUBLE_EQ(j["bar"]["area"].get<double>(), 3.1415926 * 9.47 * 9.47 / 4);
  EXPECT_EQ(j["result_limit"], 2000);

  const BarRun two = Reduce("--demo --transmission-bar 5065 71420 16 --result-limit 500 --json");
  ASSERT_EQ(two.status, kExitDone) << two.err;
  j = nlohmann::json::parse(two.out);
  EXPECT_EQ(j["bar"]["wave_speed"], 5122.0);
  EXPECT_EQ(j["transmission_bar"]["wave_speed"], 5065.0);
  EXPECT_EQ(j["transmission_bar"]["modulus"], 71420.0);
  EXPECT_EQ(j["last_result_index"], 500);

  for (const char* line : {"--demo --bar-material Nope", "--demo --bar-diameter 3",
                           "--demo --bar 5000 200000 0", "--demo --transmission-bar 5000 x 16",
                           "--demo --bar 5000 200000 16 0.6", "--demo --result-limit -1"}) {
    const BarRun bad = Reduce(line);
    EXPECT_EQ(bad.status, kExitUsage) << line;
    EXPECT_NE(bad.err.find("Usage: velk-reduce"), std::string::npos) << line;
  }

  // A damaged library is reported and the built-in bars still serve.
  std::ofstream(m_dir.path() / "bars.json") << "{ damaged";
  const BarRun damaged = Reduce("--demo --json");
  EXPECT_EQ(damaged.status, kExitDone);
  EXPECT_NE(damaged.err.find("bars.json"), std::string::npos);
}

}  // namespace
}  // namespace velk::cli
