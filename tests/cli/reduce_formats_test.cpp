// One simulated test saved in every instrument layout the simulator writes, reduced by velk-reduce
// from each: the stress-strain curve must be the one the Tektronix text files give, to the
// rounding each layout stores (8-bit captures round to 1/25 of a division, the others far finer),
// and the sample interval must come from the file.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "../record/test_files.h"
#include "cli/reduce_cli.h"
#include "cli/simulate_formats.h"
#include "cli/simulate_output.h"
#include "cli/simulate_physics.h"

namespace velk::cli {
namespace {

namespace fs = std::filesystem;

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

TEST(ReduceFormats, EveryLayoutReducesToTheTektronixTextResult) {
  const TempDir dir;
  // 4 MHz, not the record's default 5 MHz: a reader's interval that did not reach the test would
  // stretch every strain by a quarter.
  const sim::SimConfig cfg{.law = {200000, 400, 1200, 0.01, 1}, .samplingMhz = 4};
  const sim::SimResult r = sim::Simulate(cfg);
  sim::RecorderSettings scope;
  scope.noiseStd = 0.002;
  scope.seed = 21;
  scope.bits = 12;
  scope.range = 10;
  scope.incident.offset = 0.012;
  scope.transmitted.offset = -0.008;
  const auto ch = sim::Record(r.incidentMicrostrain, r.transmittedMicrostrain, scope);
  const double dtUs = 1 / cfg.samplingMhz;
  auto at = [](double x) { return std::to_string(static_cast<int>(std::ceil(x))); };
  const auto& w = r.windows;
  const std::vector<std::string> common = {"--bar-material",    "0",
                                           "--bar-diameter",    "2",
                                           "--factor-inc",      "476.1904761904762",
                                           "--factor-tr",       "476.1904761904762",
                                           "--method",          "3",
                                           "--model",           "3",
                                           "--windows",         at(w.incidentStart),
                                           at(w.incidentEnd),   at(w.reflectedStart),
                                           at(w.reflectedEnd),  at(w.transmittedStart),
                                           at(w.transmittedEnd)};

  auto reduce = [&](const std::string& name, std::vector<std::string> open) {
    const fs::path dt3 = dir.path() / (name + ".DT3");
    open.insert(open.end(), common.begin(), common.end());
    open.insert(open.end(), {"--dt3", dt3.string()});
    std::ostringstream out, err;
    EXPECT_EQ(RunReduce(open, out, err), kExitDone) << name << ": " << err.str();
    return ReadColumns(dt3);
  };

  const std::string inc = (dir.path() / "tek_inc.txt").string();
  const std::string tr = (dir.path() / "tek_tr.txt").string();
  ASSERT_EQ(sim::WriteTektronix(inc, ch.incident, dtUs), "");
  ASSERT_EQ(sim::WriteTektronix(tr, ch.transmitted, dtUs), "");
  const auto reference =
      reduce("tek", {"--tek", inc, tr, "--sampling-mhz", std::to_string(cfg.samplingMhz)});
  ASSERT_GT(reference[0].size(), 400u);
  double peak = 0;
  for (double s : reference[1]) peak = std::max(peak, std::abs(s));

  for (const auto& layout : sim::RecordingLayouts()) {
    SCOPED_TRACE(layout.name);
    const std::string base = (dir.path() / layout.name).string();
    std::vector<std::string> paths = {base + "_inc"}, open;
    if (layout.filesPerTest == 2) {
      paths.push_back(base + "_tr");
      open = {"--inc", paths[0], "--tr", paths[1]};
    } else {
      // Both channels in one file, given twice.
      open = {"--inc", paths[0], "--inc-channel", "1", "--tr", paths[0], "--tr-channel", "2"};
    }
    ASSERT_EQ(sim::WriteRecording(layout.layout, paths, ch, dtUs, cfg.arrivalSample), "");
    // No --sampling-mhz: the interval comes from the file.
    const auto got = reduce(layout.name, open);
    ASSERT_EQ(got[0].size(), reference[0].size());
    // Each layout rounds to its levels of a volts-per-division scale that puts the trace within
    // four divisions: 25 levels a division for 8-bit captures, 400 for the 12-bit TRC words,
    // 6400 for 16-bit words and the text layouts. A level of the scale bounds the difference in
    // stress (as a share of the peak); strain also carries the result file's last digit.
    const double levels = layout.layout == sim::RecordingLayout::kIsf1 ||
                                  layout.layout == sim::RecordingLayout::kTekCsvLegacy
                              ? 25
                          : layout.layout == sim::RecordingLayout::kTrc ? 400
                                                                        : 6400;
    const double stressTolerance = peak / levels, strainTolerance = 2e-5 + 0.02 / levels;
    double worstStress = 0, worstStrain = 0;
    for (std::size_t i = 0; i < got[0].size(); ++i) {
      worstStress = std::max(worstStress, std::abs(got[1][i] - reference[1][i]));
      worstStrain = std::max(worstStrain, std::abs(got[0][i] - reference[0][i]));
    }
    std::cout << "[ formats ] " << layout.name << ": stress " << worstStress / peak * 100
              << " % of peak, strain " << worstStrain << "\n";
    for (std::size_t i = 0; i < got[0].size(); ++i) {
      ASSERT_NEAR(got[1][i], reference[1][i], stressTolerance) << "row " << i;
      ASSERT_NEAR(got[0][i], reference[0][i], strainTolerance) << "row " << i;
    }
  }
}

}  // namespace
}  // namespace velk::cli
