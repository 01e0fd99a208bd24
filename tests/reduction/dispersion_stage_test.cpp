// The dispersion correction inside the computation: each pulse goes back to its face along its
// own bar in its own direction, and a correction that cannot be made refuses the computation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/dispersion.h"
#include "reduction/bar_stages.h"
#include "reduction/stress_strain.h"
#include "synthetic.h"

namespace velk {
namespace {

// A pulse of 300 samples with 25-sample half-cosine edges, which the bars' dispersion changes
// visibly, in the middle of room for what dispersion spreads before and behind it.
std::vector<double> Pulse() {
  constexpr double kPi = 3.14159265358979323846;
  std::vector<double> p(4000, 0.0);
  for (int i = 0; i < 300; ++i) {
    const double edge = std::min({i, 299 - i, 25}) / 25.0;
    p[1800 + i] = 50.0 * (1.0 - std::cos(kPi * edge));
  }
  return p;
}

double MaxDifference(const std::vector<double>& a, const std::vector<double>& b) {
  double d = 0;
  for (std::size_t i = 0; i < a.size(); ++i) d = std::max(d, std::fabs(a[i] - b[i]));
  return d;
}

TEST(DispersionStage, EachPulseReturnsToItsFaceAlongItsOwnBar) {
  // Two bars that disperse very differently, so taking the wrong bar, distance or direction for
  // any pulse leaves it far from the pulse that left the face.
  constexpr double kTolerance = 0.05;  // of pulses 200 and 300 high
  const DispersionRig rig{{5000, 0.29, 40}, {3000, 0.33, 12}, 700, 400, 0.2};
  const std::vector<double> face = Pulse();
  const std::vector<double> inc = PulseAtGauge(face, rig.incBar, rig.incGaugeMm,
                                               rig.sampleIntervalUs, PulseTravel::kTowardSpecimen);
  const std::vector<double> ref = PulseAtGauge(
      face, rig.incBar, rig.incGaugeMm, rig.sampleIntervalUs, PulseTravel::kAwayFromSpecimen);
  const std::vector<double> tr = PulseAtGauge(face, rig.trBar, rig.trGaugeMm, rig.sampleIntervalUs,
                                              PulseTravel::kAwayFromSpecimen);
  ASSERT_GT(MaxDifference(inc, face), 5.0);
  ASSERT_GT(MaxDifference(tr, face), 5.0);
  // The recorded channels: the dispersed pulses with their tails.
  std::vector<double> workInc(9000, 0.0), workTr(9000, 0.0);
  std::copy(inc.begin(), inc.end(), workInc.begin() + 200);
  std::copy(ref.begin(), ref.end(), workInc.begin() + 4200);
  std::copy(tr.begin(), tr.end(), workTr.begin() + 1200);
  for (int model : {kModelReflectedTransmitted, kModelThreeWave}) {
    const PulseWindows w{model, 2000, 6000, 3000, 3000, 299};
    const BarPulses p = PulsesAtSpecimenFaces(workInc, workTr, 2.0, 3.0, w, rig);
    std::vector<double> want(face.begin() + 1800, face.begin() + 2100);
    for (double& v : want) v *= 3.0;
    EXPECT_LT(MaxDifference(p.transmitted, want), 0.05) << model;
    for (double& v : want) v *= 2.0 / 3.0;
    EXPECT_LT(MaxDifference(p.reflected, want), 0.05) << model;
    if (model == kModelThreeWave) {
      EXPECT_LT(MaxDifference(p.incident, want), 0.05);
    } else {
      EXPECT_EQ(p.incident, std::vector<double>(300, 0.0));
    }
  }
  // Zero distances read exactly the windows the uncorrected stage reads.
  const DispersionRig flat{rig.incBar, rig.trBar, 0, 0, 0.2};
  for (int model = 0; model <= 3; ++model) {
    const PulseWindows w{model, 2000, 6000, 3000, 2990, 299};
    const BarPulses a = PulsesAtSpecimenFaces(workInc, workTr, 2.0, 3.0, w, flat);
    const BarPulses b = PulsesAtGauges(workInc, workTr, 2.0, 3.0, w);
    EXPECT_EQ(a.incident, b.incident) << model;
    EXPECT_EQ(a.reflected, b.reflected) << model;
    EXPECT_LT(MaxDifference(a.transmitted, b.transmitted), 1e-12) << model;
  }
}

TEST(DispersionStage, ACorrectionThatCannotBeMadeGivesNoResult) {
  std::vector<double> inc(4000, 0.0), tr(4000, 0.0);
  testing::AddPulse(inc, 500, 520, 900, 920, 1.0);
  testing::AddPulse(inc, 1500, 1520, 1900, 1920, -0.5);
  testing::AddPulse(tr, 1000, 1020, 1400, 1420, 0.5);
  auto run = [&](auto edit, int model) {
    testing::TestRecord r(inc, tr, false);
    r.doc.m_workInc = r.doc.m_rawInc;
    r.doc.m_workTr = r.doc.m_rawTr;
    TestParameters& p = r.ws.params;
    p.samplingMhz = 5;
    p.sampleIntervalUs = 0.2;
    p.specimenDiameterMm = p.specimenThicknessMm = 5;
    for (auto& c : p.channel) c.factor = 1000;
    r.doc.m_setup.barMaterialIndex = 0;
    r.doc.m_setup.barDiameterIndex = 1;
    r.doc.m_setup.computeModel = model;
    r.doc.m_windows = {500, 919, 1500, 1919, 1000, 1419};
    p.dispersionCorrection = true;
    p.incGaugeDistanceMm = 800;
    p.trGaugeDistanceMm = 600;
    edit(r);
    const bool done = ComputeStressStrain(r.doc, r.ia);
    EXPECT_EQ(done, r.ws.Has(kResultsComputed));
    return std::pair{done, r.ia.messages.empty() ? std::string() : r.ia.messages.back()};
  };
  EXPECT_EQ(run([](testing::TestRecord&) {}, kModelThreeWave), std::pair(true, std::string()));
  const auto negative =
      run([](testing::TestRecord& r) { r.ws.params.trGaugeDistanceMm = -1; }, kModelThreeWave);
  EXPECT_FALSE(negative.first);
  EXPECT_NE(negative.second.find("距离不能为负数"), std::string::npos);
  // A lab's bar whose Poisson's ratio the theory does not cover, as the transmission bar.
  const auto poisson = run(
      [](testing::TestRecord& r) {
        ASSERT_TRUE(r.ws.bars.AddMaterial({"soft", 2000, 3000, 0.01, 750}));
        r.doc.m_setup.trBarDiffers = true;
        r.doc.m_setup.trBarMaterialIndex = static_cast<int>(r.ws.bars.Materials().size()) - 1;
        r.doc.m_setup.trBarDiameterIndex = 1;
      },
      kModelReflectedTransmitted);
  EXPECT_FALSE(poisson.first);
  EXPECT_NE(poisson.second.find("泊松比"), std::string::npos);
  const auto foam = run([](testing::TestRecord& r) { r.ws.params.matrixWaveSpeedMs = 3000; },
                        kModelThreeWaveFoam);
  EXPECT_EQ(foam, std::pair(false, std::string(kFoamDispersionRefused)));
}

}  // namespace
}  // namespace velk
