#include "cli/simulate_physics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace velk::sim {
namespace {

constexpr double kQuarterPi = 0.78539815;

// Microstrain of transmission-bar strain per MPa of specimen stress.
double StrainPerMpa(const SimConfig& c, const SimResult& r) {
  return kQuarterPi * c.specimenDiameterMm * c.specimenDiameterMm /
         (r.bar.areaMm2 * r.bar.modulusMpa) * 1e6;
}

TEST(SimulatePhysics, IncidentPulseHasStrikerAmplitudeAndDuration) {
  SimConfig c;
  c.barMaterialIndex = 1;  // aluminium, 5065 m/s
  c.strikerVelocityMs = 12;
  c.strikerLengthMm = 250;
  c.riseTimeUs = 10;
  c.incidentGaugeMm = 900;  // keeps the reflected pulse well clear of the incident one
  const SimResult r = Simulate(c);
  EXPECT_DOUBLE_EQ(r.bar.waveSpeedMs, 5065.0);
  EXPECT_DOUBLE_EQ(r.bar.modulusMpa, 71420.0);
  EXPECT_DOUBLE_EQ(r.bar.areaMm2, 201.0619264);
  EXPECT_NEAR(r.incidentAmplitude, 12.0 / (2 * 5065.0) * 1e6, 1e-9);
  // Samples above half amplitude: the pulse lasts 2 Ls / Cb between its half points.
  int above = 0;
  for (int i = 0; i < 1500; ++i)
    if (r.incidentMicrostrain[i] > 0.5 * r.incidentAmplitude) ++above;
  const double durationSamples = 2 * 250.0 / 5.065 * c.samplingMhz;
  EXPECT_NEAR(above, durationSamples, 1.0);
  // Quiet before the arrival, the full amplitude on the plateau.
  for (int i = 0; i < c.arrivalSample; ++i) ASSERT_EQ(r.incidentMicrostrain[i], 0.0) << i;
  EXPECT_NEAR(r.incidentMicrostrain[c.arrivalSample + 200], r.incidentAmplitude, 1e-9);
  EXPECT_DOUBLE_EQ(r.windows.incidentStart, c.arrivalSample);
  EXPECT_NEAR(r.windows.incidentEnd - r.windows.incidentStart, durationSamples + 10 * 5, 1e-9);
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

TEST(SimulatePhysics, RateTermRaisesTheFlowStress) {
  SimConfig c;
  c.law.rateCoefficient = 0.03;
  const SimResult r = Simulate(c);
  SimConfig plain = c;
  plain.law.rateCoefficient = 0;
  const SimResult q = Simulate(plain);
  const double dtS = 1e-6 / c.samplingMhz;
  int checked = 0;
  for (std::size_t j = 100; j + 1 < r.truth.size(); j += 20) {
    const auto [e, s] = r.truth[j];
    const double rate = (r.truth[j + 1].first - r.truth[j - 1].first) / (2 * dtS);
    const double ep = e - s / c.law.modulusMpa;
    EXPECT_NEAR(s, c.law.FlowStress(ep, rate), 0.005 * s) << j;
    ++checked;
  }
  EXPECT_GT(checked, 10);
  // At the same strain, around 2000/s, the factor is 1 + 0.03 ln 2000, about 1.23.
  const auto [e, s] = r.truth[200];
  const auto near = std::min_element(q.truth.begin(), q.truth.end(), [e](auto a, auto b) {
    return std::abs(a.first - e) < std::abs(b.first - e);
  });
  EXPECT_NEAR(near->first, e, 0.001);
  EXPECT_GT(s, 1.15 * near->second);
  EXPECT_LT(s, 1.35 * near->second);
}

TEST(SimulatePhysics, TransmittedPulseArrivesAfterTravelAndTransitAndDiesOut) {
  SimConfig c;
  c.incidentGaugeMm = 600;
  c.transmittedGaugeMm = 400;
  c.specimenWaveSpeedMs = 4000;  // 4 mm at 4 mm/us: 1 us, five samples
  const SimResult r = Simulate(c);
  const double travel = (600.0 + 400.0) / 5.122 * 5;
  EXPECT_NEAR(r.windows.transmittedStart, c.arrivalSample + travel + 5, 1e-9);
  EXPECT_NEAR(r.windows.reflectedStart, c.arrivalSample + 2 * 600.0 / 5.122 * 5, 1e-9);
  const int ts = static_cast<int>(r.windows.transmittedStart);
  for (int i = 0; i <= ts; ++i) ASSERT_EQ(r.transmittedMicrostrain[i], 0.0) << i;
  EXPECT_GT(r.transmittedMicrostrain[ts + 3], 0.0);
  // After the specimen has unloaded, the transmission bar is quiet again.
  const double peak =
      *std::max_element(r.transmittedMicrostrain.begin(), r.transmittedMicrostrain.end());
  const int te = static_cast<int>(std::ceil(r.windows.transmittedEnd));
  ASSERT_LT(te, c.sampleCount);
  EXPECT_GT(te - ts, 600);
  for (int i = te; i < c.sampleCount; ++i) ASSERT_LT(r.transmittedMicrostrain[i], 0.01 * peak);
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
