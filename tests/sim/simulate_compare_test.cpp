#include "cli/simulate_compare.h"

#include <gtest/gtest.h>

namespace velk::sim {
namespace {

TEST(SimulateCompare, InterpolatesTheTruthAndComparesOnlyThePlasticLoadingBranch) {
  // E = 1000 MPa, yield 10 MPa at strain 0.01, then 10 + 100 ep.
  TruthCurve truth;
  for (int i = 0; i <= 100; ++i) {
    const double e = i * 0.002;
    const double s = e <= 0.01 ? 1000 * e : 1000 * (10 + 100 * e) / 1100;
    truth.emplace_back(e, s);
  }
  EXPECT_DOUBLE_EQ(TruthStressAt(truth, 0.003), 3.0);
  EXPECT_NEAR(TruthStressAt(truth, 0.101),
              0.5 * (TruthStressAt(truth, 0.1) + TruthStressAt(truth, 0.102)), 1e-12);
  EXPECT_DOUBLE_EQ(TruthStressAt(truth, -1), 0.0);
  EXPECT_DOUBLE_EQ(TruthStressAt(truth, 5), truth.back().second);

  // A recovered curve 1 % high in the plastic part, wildly off in the elastic part and on the
  // unloading branch: only the plastic loading points count.
  std::vector<double> strain, stress;
  for (int i = 0; i <= 90; ++i) {
    const double e = i * 0.002;
    strain.push_back(e);
    stress.push_back(e < 0.02 ? 0.0 : 1.01 * TruthStressAt(truth, e));
  }
  strain.push_back(0.15);  // unloading
  stress.push_back(1.0);
  const CurveMatch m = CompareWithTruth(truth, 1000, strain, stress, 0.01, 0.95);
  EXPECT_NEAR(m.worstRelativeError, 0.01, 1e-9);
  // Plastic strain (1000 e - 10) / 1100 reaches 0.01 at e = 0.021, so the truth point 0.022
  // starts the range; every recovered point from 0.022 to 0.18 is compared, the last one not.
  EXPECT_EQ(m.comparedPoints, 80);
  EXPECT_GE(m.atStrain, 0.02);
}

}  // namespace
}  // namespace velk::sim
