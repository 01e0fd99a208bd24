// The simulator's truth is what the accuracy tests compare against, so its physics is checked
// against the bar relations the reduction does not share: force balance at the specimen faces,
// the reflected pulse as the strain rate, and the specimen's law.
#include "cli/simulate_physics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velk::sim {
namespace {

constexpr double kQuarterPi = 0.78539815;

// Microstrain of transmission-bar strain per MPa of specimen stress.
double StrainPerMpa(const SimConfig& c, const SimResult& r) {
  return kQuarterPi * c.specimenDiameterMm * c.specimenDiameterMm /
         (r.bar.areaMm2 * r.bar.modulusMpa) * 1e6;
}

TEST(SimulatePhysics, GaugesAtTheFacesSeeTheSpecimenForce) {
  // With both gauges at the specimen and no transit delay, force balance says the incident bar
  // carries eI + eR = eT, the transmitted strain, which is As sigma / (Ab Eb).
  SimConfig c;
  c.incidentGaugeMm = 0;
  c.transmittedGaugeMm = 0;
  c.specimenWaveSpeedMs = 0;
  c.sampleCount = 1600;
  const SimResult r = Simulate(c);
  const double k = StrainPerMpa(c, r);
  ASSERT_GT(r.truth.size(), 400u);
  for (std::size_t j = 0; j < r.truth.size(); ++j) {
    const std::size_t i = c.arrivalSample + j;
    ASSERT_NEAR(r.transmittedMicrostrain[i], k * r.truth[j].second, 1e-6) << j;
    ASSERT_NEAR(r.incidentMicrostrain[i], r.transmittedMicrostrain[i], 1e-6) << j;
  }
}

TEST(SimulatePhysics, ReflectedPulseCarriesTheSpecimenStrainRate) {
  // A gauge 512.2 mm away puts the reflected pulse exactly 1000 samples after the incident one
  // (2 x 512.2 mm at 5.122 mm/us is 200 us). The specimen strain is -2 Cb / L0 times the time
  // integral of the reflected strain; a sign or factor slip shows at once.
  SimConfig c;
  c.incidentGaugeMm = 512.2;
  c.specimenThicknessMm = 5;
  c.law.yieldMpa = 400;
  const SimResult r = Simulate(c);
  const double dtS = 1e-6 / c.samplingMhz;
  const double rate = 2 * 5122.0 * 1000 / c.specimenThicknessMm;
  double strain = 0;
  for (std::size_t j = 1; j < r.truth.size(); ++j) {
    const double reflected = r.incidentMicrostrain[c.arrivalSample + 1000 + j] * 1e-6;
    strain -= rate * reflected * dtS;
  }
  ASSERT_GT(r.truth.back().first, 0.1);
  EXPECT_NEAR(strain, r.truth.back().first, 0.002 * r.truth.back().first);
  EXPECT_NEAR(r.truth.back().first, r.maxStrain, 1e-12);
  // The reflected pulse is a negative one on the record.
  EXPECT_LT(r.incidentMicrostrain[c.arrivalSample + 1300], -100.0);
}

TEST(SimulatePhysics, TruthFollowsTheLinearHardeningLaw) {
  SimConfig c;
  c.law = {200000, 500, 2000, 0, 1};
  c.strikerVelocityMs = 20;
  c.specimenDiameterMm = 6;
  const SimResult r = Simulate(c);
  const auto& L = c.law;
  int plastic = 0;
  for (const auto& [e, s] : r.truth) {
    if (s > L.yieldMpa * 1.001) {
      // On the flow surface sigma = Y + H ep with ep = e - sigma / E.
      ASSERT_NEAR(s, L.yieldMpa + L.hardeningMpa * (e - s / L.modulusMpa), 1e-9 * s) << e;
      ++plastic;
    } else {
      ASSERT_LE(s, L.yieldMpa * 1.001);
    }
  }
  EXPECT_GT(plastic, 300);
  // The truth is the loading branch: strain only grows along it.
  for (std::size_t j = 1; j < r.truth.size(); ++j)
    ASSERT_GE(r.truth[j].first, r.truth[j - 1].first);
  // The peak may fall between two samples.
  EXPECT_NEAR(r.peakStressMpa, r.truth.back().second, 1e-4 * r.peakStressMpa);
}

TEST(SimulatePhysics, CheckConfigRefusesTestsThatCannotBeSimulated) {
  EXPECT_EQ(CheckConfig(SimConfig{}), "");
  auto refused = [](auto edit) {
    SimConfig c;
    edit(c);
    return !CheckConfig(c).empty();
  };
  EXPECT_TRUE(refused([](SimConfig& c) { c.barMaterialIndex = 2; }));
  EXPECT_TRUE(refused([](SimConfig& c) { c.strikerVelocityMs = NAN; }));
  EXPECT_TRUE(refused([](SimConfig& c) { c.riseTimeUs = 200; }));  // longer than the pulse
  EXPECT_TRUE(refused([](SimConfig& c) { c.specimenThicknessMm = 0; }));
  EXPECT_TRUE(refused([](SimConfig& c) { c.law.hardeningMpa = -1; }));
  EXPECT_TRUE(refused([](SimConfig& c) { c.samplingMhz = 0; }));
  EXPECT_TRUE(refused([](SimConfig& c) { c.sampleCount = 399; }));
  EXPECT_TRUE(refused([](SimConfig& c) { c.arrivalSample = 4096; }));
  EXPECT_TRUE(refused([](SimConfig& c) { c.substeps = 0; }));
  EXPECT_TRUE(refused([](SimConfig& c) { c.strikerVelocityMs = 300; }));
  EXPECT_FALSE(refused([](SimConfig& c) { c.riseTimeUs = 0; }));  // a sharp step is allowed
}

}  // namespace
}  // namespace velk::sim
