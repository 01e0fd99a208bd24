// velk-reduce --dispersion on a simulated dispersive test written as recorder files.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "../record/test_files.h"
#include "cli/reduce_cli.h"
#include "cli/simulate_compare.h"
#include "cli/simulate_output.h"
#include "cli/simulate_physics.h"
#include "record/bar_library.h"

namespace velk::cli {
namespace {

struct CliRun {
  int status = -1;
  std::string out, err;
};

CliRun Reduce(const std::string& line) {
  std::istringstream s(line);
  std::vector<std::string> args;
  for (std::string w; s >> w;) args.push_back(w);
  std::ostringstream out, err;
  CliRun r;
  r.status = RunReduce(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

double WorstError(const std::string& dt2, const sim::SimResult& r, double modulusMpa) {
  std::vector<double> strain, stress;
  std::ifstream f(dt2);
  for (double e, s; f >> e >> s;) {
    strain.push_back(e);
    stress.push_back(s);
  }
  const sim::CurveMatch m = sim::CompareWithTruth(r.truth, modulusMpa, strain, stress);
  EXPECT_GT(m.comparedPoints, 300) << dt2;
  return m.worstRelativeError;
}

TEST(ReduceDispersion, TheOptionsCorrectTheTestAndTheSummarySaysSo) {
  TempDir dir;
  setenv("VELK_CONFIG_DIR", dir.path().c_str(), 1);
  // Ø20 mm steel bars, gauges 1 m from the specimen, a 50 us rise.
  sim::SimConfig cfg{.riseTimeUs = 50,
                     .law = {200000, 400, 1200, 0, 1},
                     .incidentGaugeMm = 1000,
                     .transmittedGaugeMm = 1000,
                     .sampleCount = 8000,
                     .arrivalSample = 2000,
                     .dispersion = true,
                     .barPoissonRatio = 0.29,
                     .dispersionDiameterMm = 20,
                     .customBar = {5122, 198646, BarAreaMm2(20)}};
  ASSERT_EQ(sim::CheckConfig(cfg), "");
  const sim::SimResult r = sim::Simulate(cfg);
  const auto ch = sim::Record(r.incidentMicrostrain, r.transmittedMicrostrain, {});
  const std::string base = (dir.path() / "d20").string();
  ASSERT_EQ(sim::WriteTektronix(base + "_inc.txt", ch.incident, 0.2), "");
  ASSERT_EQ(sim::WriteTektronix(base + "_tr.txt", ch.transmitted, 0.2), "");
  const auto& w = r.windows;
  auto at = [](double x) { return std::to_string(static_cast<int>(std::ceil(x))); };
  const std::string test = "--tek " + base + "_inc.txt " + base +
                           "_tr.txt --sampling-mhz 5 --bar 5122 198646 20 0.29 "
                           "--specimen-diameter 8 --specimen-thickness 4 --model 2 --method 3 "
                           "--windows " +
                           at(w.incidentStart) + " " + at(w.incidentEnd) + " " +
                           at(w.reflectedStart) + " " + at(w.reflectedEnd) + " " +
                           at(w.transmittedStart) + " " + at(w.transmittedEnd);

  const CliRun plain = Reduce(test + " --dt2 " + base + "a.DT2 --json");
  ASSERT_EQ(plain.status, kExitDone) << plain.err;
  EXPECT_FALSE(nlohmann::json::parse(plain.out).contains("dispersion"));
  EXPECT_GT(WorstError(base + "a.DT2", r, 200000), 0.02);

  const std::string corrected =
      test + " --dispersion --gauge-distance-inc 1000 --gauge-distance-tr 1000";
  const CliRun fixed =
      Reduce(corrected + " --dt2 " + base + "b.DT2 --save-params " + base + ".PAT --json");
  ASSERT_EQ(fixed.status, kExitDone) << fixed.err;
  const auto j = nlohmann::json::parse(fixed.out);
  EXPECT_EQ(j["dispersion"], nlohmann::json::parse(R"({"applied":true,"gauge_distance_inc":1000.0,
                                                       "gauge_distance_tr":1000.0})"));
  EXPECT_LT(WorstError(base + "b.DT2", r, 200000), 0.01);

  // The saved parameter file carries the correction and its distances to the next run.
  const CliRun again = Reduce(test + " --params " + base + ".PAT --dt2 " + base + "c.DT2 --json");
  ASSERT_EQ(again.status, kExitDone) << again.err;
  EXPECT_EQ(nlohmann::json::parse(again.out)["dispersion"], j["dispersion"]);
  EXPECT_LT(WorstError(base + "c.DT2", r, 200000), 0.01);

  unsetenv("VELK_CONFIG_DIR");
}

}  // namespace
}  // namespace velk::cli
