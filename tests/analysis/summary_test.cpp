// Each summary rule on curves whose answer is worked out by hand.

#include "analysis/summary.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velk {
namespace {

// A bilinear curve: E = 1000 MPa up to yield at strain 0.1 (100 MPa), then a flat 100 MPa, with
// n equal strain steps of 0.01 and a rate of 100/s on the plateau.
struct Bilinear {
  std::vector<double> stress, strain, rate;
  explicit Bilinear(int n = 51) {
    for (int i = 0; i < n; ++i) {
      const double e = 0.01 * i;
      strain.push_back(e);
      stress.push_back(e <= 0.1 ? 1000 * e : 100.0);
      rate.push_back(100.0);
    }
  }
  ResultCurves curves() const { return {stress, strain, rate}; }
};

TEST(Summary, PeakFlowStressAndEnergy) {
  Bilinear b;
  b.stress[30] = 120;  // one point above the plateau: the peak
  const Summary s = Summarise(b.curves(), {}, {0.025, 0.2, 0.5, 0.6});
  EXPECT_DOUBLE_EQ(s.peakStressMpa, 120);
  EXPECT_DOUBLE_EQ(s.strainAtPeak, 0.30);
  EXPECT_DOUBLE_EQ(s.maxStrain, 0.50);
  ASSERT_EQ(s.flowStress.size(), 4u);
  EXPECT_NEAR(*s.flowStress[0].stressMpa, 25.0, 1e-9);   // halfway between 20 and 30 MPa
  EXPECT_NEAR(*s.flowStress[1].stressMpa, 100.0, 1e-9);  // on the plateau
  EXPECT_NEAR(*s.flowStress[2].stressMpa, 100.0, 1e-9);  // the last point exactly
  EXPECT_FALSE(s.flowStress[3].stressMpa) << "beyond the curve";
  // Triangle to 0.1 (5) + plateau 0.1..0.5 (40) + the spike's triangle 0.29..0.31 (0.2).
  EXPECT_NEAR(s.energyMjPerM3, 45.2, 1e-9);
  EXPECT_FALSE(s.equilibrium) << "no balance given";
}

TEST(Summary, OffsetYieldOnLinearHardening) {
  // E = 1000 MPa to 100 MPa at 0.1, then 200 MPa per unit strain to 120 MPa at 0.2. The
  // 10..50 % band (12..60 MPa) lies on the elastic line, so the fit is exact: slope 1000, intercept
  // 0. The offset line 1000 (e - 0.002) meets 100 + 200 (e - 0.1) at e = 0.1025, stress 100.5 MPa.
  Bilinear b(21);
  for (std::size_t i = 0; i < b.strain.size(); ++i) {
    const double e = b.strain[i];
    b.stress[i] = e <= 0.1 ? 1000 * e : 100 + 200 * (e - 0.1);
  }
  const auto y = OffsetYield(b.curves());
  ASSERT_TRUE(y);
  EXPECT_NEAR(y->modulusMpa, 1000, 1e-6);
  EXPECT_NEAR(y->strain, 0.1025, 1e-9);
  EXPECT_NEAR(y->stressMpa, 100.5, 1e-9);
  EXPECT_EQ(y->index, 11);

  // A curve that never reaches the offset line, and one without a rising part, have no yield.
  Bilinear elastic(11);
  EXPECT_FALSE(OffsetYield(elastic.curves()));
  std::vector<double> zero(10, 0.0), e(10, 0.0);
  EXPECT_FALSE(OffsetYield({zero, e, zero}));
}

TEST(Summary, PlateauRateIsTheLongestRunInsideTheBand) {
  Bilinear b(40);
  // After point 5: a run of 10 at 100/s ± 5, a spike, then a longer run of 12 at 104/s ± 2, then
  // unloading at 10/s. Median of the part from point 5 is inside both runs' band.
  for (int i = 5; i < 15; ++i) b.rate[i] = (i % 2 != 0) ? 105 : 95;
  b.rate[15] = 300;
  for (int i = 16; i < 28; ++i) b.rate[i] = (i % 2 != 0) ? 106 : 102;
  for (int i = 28; i < 40; ++i) b.rate[i] = 10;
  const auto p = PlateauStrainRate(b.curves(), 5);
  ASSERT_TRUE(p);
  EXPECT_NEAR(p->mean, 104, 1e-9);
  EXPECT_NEAR(p->std, 2, 1e-9);
  EXPECT_DOUBLE_EQ(p->startStrain, b.strain[16]);
  EXPECT_DOUBLE_EQ(p->endStrain, b.strain[27]);
  EXPECT_FALSE(PlateauStrainRate(b.curves(), 40)) << "nothing after the start";
}

TEST(Summary, EquilibriumAndBalanceRatio) {
  // Back force rises to 10 kN; the front force starts 20 % high and agrees from point 6 on.
  ForceBalance f;
  const std::vector<double> back = {0, 0.4, 2, 5, 8, 10, 10, 10, 9, 4, 0.2, 0};
  const std::vector<double> front = {0, 0.6, 2.4, 6, 9.6, 12, 10.1, 10, 9.2, 4.1, 0.3, 0};
  for (std::size_t i = 0; i < back.size(); ++i) f.timeUs.push_back(0.2 * i);
  f.frontKn = front;
  f.backKn = back;
  ComputeBalanceRatio(f);
  EXPECT_TRUE(std::isnan(f.ratio[1])) << "0.4 kN is below 5 % of the peak back force";
  EXPECT_TRUE(std::isnan(f.ratio[10]));
  EXPECT_NEAR(f.ratio[2], 2 * 0.4 / 4.4, 1e-12);
  std::vector<double> strain(back.size());
  for (std::size_t i = 0; i < strain.size(); ++i) strain[i] = 0.01 * i;
  const auto eq = EquilibriumPoint(f, strain, 9);
  ASSERT_TRUE(eq);
  EXPECT_DOUBLE_EQ(eq->timeUs, 0.2 * 6);
  EXPECT_DOUBLE_EQ(eq->strain, 0.06);

  f.frontKn[9] = 5;  // out of balance after the loading: does not matter
  ComputeBalanceRatio(f);
  EXPECT_DOUBLE_EQ(EquilibriumPoint(f, strain, 8)->timeUs, 0.2 * 6);
  EXPECT_FALSE(EquilibriumPoint(f, strain, 9)) << "the loading ends out of balance: never";
  EXPECT_FALSE(EquilibriumPoint(f, strain, 10)) << "the ratio at the end is undefined";
}

TEST(ForceBalance, ForcesFromStrainsInKilonewton) {
  // 1000 microstrain on a bar of E·A = 200000 MPa × 100 mm² is 20 kN.
  const BarStiffness bars{200000.0 * 100, 210000.0 * 100};
  const std::vector<double> inc = {1000, 1000}, ref = {-400, -500}, tr = {600, 0};
  const ForceBalance b = BalanceFromStrains(inc, ref, tr, 0.2, bars);
  ASSERT_EQ(b.timeUs.size(), 2u);
  EXPECT_DOUBLE_EQ(b.timeUs[1], 0.2);
  EXPECT_NEAR(b.frontKn[0], 12.0, 1e-12);
  EXPECT_NEAR(b.backKn[0], 12.6, 1e-12) << "the back bar's own E·A";
  EXPECT_NEAR(b.ratio[0], 2 * (12 - 12.6) / 24.6, 1e-12);
  EXPECT_TRUE(std::isnan(b.ratio[1])) << "back force zero";
}

}  // namespace
}  // namespace velk
