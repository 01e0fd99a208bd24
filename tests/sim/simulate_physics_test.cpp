// The simulator's truth is what the accuracy tests compare against, so its physics is checked
// against what the reduction does not share with it: force balance at the specimen faces and the
// specimen's law.
#include "cli/simulate_physics.h"

#include <gtest/gtest.h>

namespace velk::sim {
namespace {

TEST(SimulatePhysics, SpecimenIsInForceBalanceAndFollowsItsLaw) {
  // With both gauges at the specimen and no transit delay, force balance says the incident bar
  // carries eI + eR = eT, the transmitted strain, which is As sigma / (Ab Eb).
  SimConfig c;
  c.incidentGaugeMm = 0;
  c.transmittedGaugeMm = 0;
  c.specimenWaveSpeedMs = 0;
  c.sampleCount = 1600;
  const SimResult r = Simulate(c);
  const double k = 0.78539815 * c.specimenDiameterMm * c.specimenDiameterMm /
                   (r.bar.areaMm2 * r.bar.modulusMpa) * 1e6;
  ASSERT_GT(r.truth.size(), 400u);
  const SpecimenLaw& L = c.law;
  int plastic = 0;
  for (std::size_t j = 0; j < r.truth.size(); ++j) {
    const std::size_t i = c.arrivalSample + j;
    const auto [e, s] = r.truth[j];
    ASSERT_NEAR(r.transmittedMicrostrain[i], k * s, 1e-6) << j;
    ASSERT_NEAR(r.incidentMicrostrain[i], r.transmittedMicrostrain[i], 1e-6) << j;
    if (s > L.yieldMpa * 1.001) {
      // On the flow surface sigma = Y + H ep with ep = e - sigma / E.
      ASSERT_NEAR(s, L.yieldMpa + L.hardeningMpa * (e - s / L.modulusMpa), 1e-9 * s) << e;
      ++plastic;
    } else {
      ASSERT_LE(s, L.yieldMpa * 1.001);
    }
    // The truth is the loading branch: strain only grows along it.
    if (j > 0) {
      ASSERT_GE(e, r.truth[j - 1].first);
    }
  }
  EXPECT_GT(plastic, 300);
  EXPECT_NEAR(r.truth.back().first, r.maxStrain, 1e-12);
  // The peak may fall between two samples.
  EXPECT_NEAR(r.peakStressMpa, r.truth.back().second, 1e-4 * r.peakStressMpa);
}

}  // namespace
}  // namespace velk::sim
