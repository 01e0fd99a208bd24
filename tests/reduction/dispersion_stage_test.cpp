// The dispersion correction inside the computation: each pulse goes back to its face along its
// own bar in its own direction. (Refusals are rows of tests/bad-input/catalogue.tsv.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/dispersion.h"
#include "record/setup_fields.h"
#include "reduction/bar_stages.h"

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
    EXPECT_LT(MaxDifference(p.transmitted, want), kTolerance) << model;
    for (double& v : want) v *= 2.0 / 3.0;
    EXPECT_LT(MaxDifference(p.reflected, want), kTolerance) << model;
    if (model == kModelThreeWave) {
      EXPECT_LT(MaxDifference(p.incident, want), kTolerance);
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

}  // namespace
}  // namespace velk
