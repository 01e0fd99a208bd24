// The phase velocity is checked against what does not share its code: the classical limits,
// Bancroft's own form of the frequency equation solved here at a fixed wavelength, and the
// library's direct solves for the table.
#include "analysis/phase_velocity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

namespace velk {
namespace {

constexpr double kPi = 3.14159265358979323846;

// cR / c0 from the Rayleigh cubic eta^3 - 8 eta^2 + 8 (3 - 2 kappa) eta - 16 (1 - kappa) = 0,
// eta = (cR / cT)^2, kappa = (cT / cL)^2, by Newton from eta = 1 (the cubic is convex there and
// its only root below 1 is the surface wave).
double RayleighFromCubic(double nu) {
  const double kappa = (1 - 2 * nu) / (2 * (1 - nu));
  double eta = 1.0;
  for (int i = 0; i < 100; ++i) {
    const double f = ((eta - 8) * eta + 8 * (3 - 2 * kappa)) * eta - 16 * (1 - kappa);
    const double df = (3 * eta - 16) * eta + 8 * (3 - 2 * kappa);
    eta -= f / df;
  }
  return std::sqrt(eta / (2 * (1 + nu)));
}

// Bancroft (1941): (x - 1)^2 phi(h a) - (beta x - 1)(x - phi(k a)) = 0 with phi(y) = y J0(y) /
// J1(y), x = c^2 / (2 cT^2), beta = (1 - 2 nu) / (1 - nu), h a = 2 pi (a / wavelength) sqrt(beta x
// - 1), k a = 2 pi (a / wavelength) sqrt(2 x - 1). Multiplied by J1(k a) / (k a) so that it has no
// poles; an imaginary argument turns J into I. Returns c / c0 at a ratio radius / wavelength.
double BancroftRatio(double nu, double radiusOverWavelength) {
  const double beta = (1 - 2 * nu) / (1 - nu);
  const double shear2 = 1 / (2 * (1 + nu));  // (cT / c0)^2
  auto residual = [&](double x) {
    const double w = 2 * kPi * radiusOverWavelength;
    const double h = w * std::sqrt(1 - beta * x);  // beta x < 1 below the dilatational speed
    const double phiH = h * std::cyl_bessel_i(0, h) / std::cyl_bessel_i(1, h);
    const double k2 = w * w * (2 * x - 1);
    const double k = std::sqrt(std::abs(k2));
    const double j1OverK = k2 > 0 ? std::cyl_bessel_j(1, k) / k : std::cyl_bessel_i(1, k) / k;
    const double j0 = k2 > 0 ? std::cyl_bessel_j(0, k) : std::cyl_bessel_i(0, k);
    return (x - 1) * (x - 1) * phiH * j1OverK - (beta * x - 1) * (x * j1OverK - j0);
  };
  // Upward from below the Rayleigh speed to c0 in fine steps; the first change of sign.
  const double top = 1 / (2 * shear2);
  double lo = 0.8 * top * RayleighFromCubic(nu) * RayleighFromCubic(nu);
  for (double hi = lo + 1e-4; lo < top; lo = hi, hi += 1e-4) {
    if ((residual(lo) < 0) == (residual(hi) < 0)) continue;
    for (int i = 0; i < 100; ++i) {
      const double mid = 0.5 * (lo + hi);
      ((residual(mid) < 0) == (residual(lo) < 0) ? lo : hi) = mid;
    }
    return std::sqrt(2 * shear2 * lo);
  }
  return NAN;
}

TEST(PhaseVelocity, TendsToC0WithRayleighsCorrectionAndToTheRayleighSpeed) {
  for (double nu : {0.29, 0.33, 0.45}) {
    EXPECT_EQ(SolvePhaseVelocityRatio(nu, 0.0), 1.0);
    // Long waves: c / c0 = 1 - nu^2 pi^2 (a / wavelength)^2, the next term of order (a / L)^4.
    for (double aOverL : {0.002, 0.005, 0.01, 0.02}) {
      const double love = 1 - nu * nu * kPi * kPi * aOverL * aOverL;
      const double solved = SolvePhaseVelocityRatio(nu, aOverL * love);
      EXPECT_NEAR(solved, love, 10 * std::pow(aOverL, 4)) << nu << " " << aOverL;
      EXPECT_LT(solved, 1.0);
    }
    const double rayleigh = RayleighFromCubic(nu);
    EXPECT_NEAR(RayleighSpeedRatio(nu), rayleigh, 1e-12) << nu;
    // Short waves run along the surface: the phase velocity approaches cR, as 1 / frequency.
    EXPECT_NEAR(SolvePhaseVelocityRatio(nu, 100.0), rayleigh, 1e-4) << nu;
    EXPECT_NEAR(SolvePhaseVelocityRatio(nu, 1e4), rayleigh, 1e-6) << nu;
    EXPECT_NEAR(PhaseVelocityTableFor(nu)->Ratio(INFINITY), rayleigh, 1e-12) << nu;
  }
}

TEST(PhaseVelocity, ReproducesBancroftsEquationForSteel) {
  // nu = 0.29, the ratio of Bancroft's and Davies' tables, over the range where the curve turns
  // from c0 to the Rayleigh speed.
  const double nu = 0.29;
  const auto table = PhaseVelocityTableFor(nu);
  for (double aOverL = 0.05; aOverL <= 2.0; aOverL += 0.05) {
    const double expected = BancroftRatio(nu, aOverL);
    ASSERT_TRUE(std::isfinite(expected)) << aOverL;
    const double frequency = aOverL * expected;  // f a / c0 = (a / L)(c / c0)
    EXPECT_NEAR(SolvePhaseVelocityRatio(nu, frequency), expected, 1e-9) << aOverL;
    EXPECT_NEAR(table->Ratio(frequency), expected, 1e-7) << aOverL;
  }
}

TEST(PhaseVelocity, TableInterpolatesDirectSolvesWithinOnePartPerMillion) {
  for (double nu : {kMinPoissonRatio, 0.29, 0.34, kMaxPoissonRatio}) {
    const PhaseVelocityTable table(nu);
    double worst = 0;
    // Irregular steps so that the frequencies fall between grid points.
    for (double lg = -4.0; lg <= 4.0; lg += 0.0173) {
      const double f = std::pow(10.0, lg);
      const double direct = SolvePhaseVelocityRatio(nu, f);
      worst = std::max(worst, std::abs(table.Ratio(f) - direct) / direct);
    }
    EXPECT_LT(worst, 1e-6) << nu;
  }
}

TEST(PhaseVelocity, TablesAreSharedPerBarAndScaleWithDiameterAndSpeed) {
  std::vector<std::shared_ptr<const PhaseVelocityTable>> seen(4);
  std::vector<std::thread> threads;
  for (auto& s : seen) threads.emplace_back([&s] { s = PhaseVelocityTableFor(0.3137); });
  for (auto& t : threads) t.join();
  for (const auto& s : seen) EXPECT_EQ(s, seen[0]);
  EXPECT_NE(PhaseVelocityTableFor(0.3), seen[0]);

  // A 20 mm steel bar at 100 kHz: f a / c0 = 1e5 x 0.01 / 5000 = 0.2.
  const DispersiveBar steel{5000.0, 0.29, 20.0};
  const double expected = 5000.0 * SolvePhaseVelocityRatio(0.29, 0.2);
  EXPECT_NEAR(PhaseVelocityMs(steel, 1e5), expected, 1e-5);
  EXPECT_NEAR(PhaseVelocityMs(steel, -1e5), expected, 1e-5);
  EXPECT_NEAR(PhaseVelocityMs({2500.0, 0.29, 10.0}, 1e5), expected / 2, 1e-5);
}

}  // namespace
}  // namespace velk
