#include "analysis/dispersion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace velk {
namespace {

constexpr double kPi = 3.14159265358979323846;
const DispersiveBar kSteel20{5188.0, 0.29, 20.0};

// A striker pulse: half-cosine rise and fall of riseSamples, flat top, starting at `start`.
std::vector<double> Pulse(int n, int start, int riseSamples, int flatSamples) {
  std::vector<double> x(n, 0.0);
  for (int i = 0; i < n; ++i) {
    const double t = i - start;
    if (t <= 0) continue;
    if (t < riseSamples)
      x[i] = 0.5 * (1 - std::cos(kPi * t / riseSamples));
    else if (t < riseSamples + flatSamples)
      x[i] = 1.0;
    else if (t < 2 * riseSamples + flatSamples)
      x[i] = 0.5 * (1 + std::cos(kPi * (t - riseSamples - flatSamples) / riseSamples));
  }
  return x;
}

double EnergyCentre(const std::vector<double>& x) {
  double m0 = 0, m1 = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    m0 += x[i] * x[i];
    m1 += static_cast<double>(i) * x[i] * x[i];
  }
  return m1 / m0;
}

double LargestDifference(const std::vector<double>& a, const std::vector<double>& b) {
  double d = 0;
  for (std::size_t i = 0; i < a.size(); ++i) d = std::max(d, std::abs(a[i] - b[i]));
  return d;
}

TEST(Dispersion, CorrectionUndoesDispersionBothWays) {
  // 0.2 us sampling, a 10 us rise on a 100 us pulse, 1 m of 20 mm steel bar.
  const std::vector<double> face = Pulse(10000, 4000, 50, 500);
  for (PulseTravel travel : {PulseTravel::kTowardSpecimen, PulseTravel::kAwayFromSpecimen}) {
    const auto atGauge = PulseAtGauge(face, kSteel20, 1000.0, 0.2, travel);
    ASSERT_EQ(atGauge.size(), face.size());
    // The bar really changes the pulse (the rise rings by several per cent)...
    EXPECT_GT(LargestDifference(atGauge, face), 0.02);
    // ...and the correction takes it back.
    const auto back = PulseAtSpecimenFace(atGauge, kSteel20, 1000.0, 0.2, travel);
    EXPECT_LT(LargestDifference(back, face), 1e-9);
  }
}

TEST(Dispersion, SlowComponentsArriveLaterWhereThePulseArrives) {
  // A single sinusoid on a periodic record: its phase moves by 2 pi f dz (1 / c(f) - 1 / c0).
  const int n = 1000, k = 12;  // 60 kHz
  const double dt = 0.2, dz = 750.0;
  std::vector<double> wave(n);
  for (int i = 0; i < n; ++i) wave[i] = std::cos(2 * kPi * k * i / n);
  const double f = k / (n * dt * 1e-6);
  const double c = PhaseVelocityMs(kSteel20, f);
  const double phase = 2 * kPi * f * dz * 1e-3 * (1 / c - 1 / kSteel20.waveSpeedMs);
  ASSERT_GT(phase, 0.3);  // a test of the sign needs a shift well away from 0 and pi
  ASSERT_LT(phase, 2.5);
  for (int sign : {1, -1}) {
    const auto moved = ShiftPhasesPeriodic(wave, kSteel20, dz, dt, sign);
    for (int i = 0; i < n; ++i)
      ASSERT_NEAR(moved[i], std::cos(2 * kPi * k * i / n - sign * phase), 1e-12) << sign << i;
  }
  // Through the public functions: the incident pulse reaches the face later than it passed its
  // gauge, its high frequencies behind; the reflected and transmitted pulses passed the face
  // before their gauge saw them.
  const std::vector<double> gauge = Pulse(6000, 2000, 50, 500);
  const double centre = EnergyCentre(gauge);
  EXPECT_GT(
      EnergyCentre(PulseAtSpecimenFace(gauge, kSteel20, dz, dt, PulseTravel::kTowardSpecimen)),
      centre + 0.2);
  EXPECT_LT(
      EnergyCentre(PulseAtSpecimenFace(gauge, kSteel20, dz, dt, PulseTravel::kAwayFromSpecimen)),
      centre - 0.2);
}

TEST(Dispersion, RefusesBarsItCannotDescribeAndLeavesTheWindowAlone) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(CheckDispersionInputs(kSteel20, 0.0, 0.2));
  EXPECT_FALSE(CheckDispersionInputs(kSteel20, 1500.0, 0.01));
  struct Case {
    DispersiveBar bar;
    double dz, dt;
  } bad[] = {{{0.0, 0.29, 20}, 100, 0.2},  {{nan, 0.29, 20}, 100, 0.2},
             {{5000, 0.5, 20}, 100, 0.2},  {{5000, 0.0, 20}, 100, 0.2},
             {{5000, nan, 20}, 100, 0.2},  {{5000, 0.29, 0}, 100, 0.2},
             {{5000, 0.29, 20}, -1, 0.2},  {{5000, 0.29, 20}, nan, 0.2},
             {{5000, 0.29, 20}, 100, 0.0}, {{5000, 0.29, 20}, 100, -0.2}};
  const std::vector<double> window = Pulse(300, 50, 20, 100);
  for (const Case& c : bad) {
    const DispersionProblem p = CheckDispersionInputs(c.bar, c.dz, c.dt);
    EXPECT_TRUE(p) << c.bar.waveSpeedMs << " " << c.bar.poissonRatio << " " << c.dz;
    EXPECT_EQ(p.args.size(), 1u);
    EXPECT_EQ(PulseAtSpecimenFace(window, c.bar, c.dz, c.dt, PulseTravel::kTowardSpecimen), window);
  }
  // Nothing to move: no distance, or no samples.
  EXPECT_EQ(PulseAtGauge(window, kSteel20, 0.0, 0.2, PulseTravel::kTowardSpecimen), window);
  EXPECT_TRUE(PulseAtGauge({}, kSteel20, 100.0, 0.2, PulseTravel::kTowardSpecimen).empty());
}

}  // namespace
}  // namespace velk
