#include "plot/core/scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace velk {
namespace {

TEST(RoundUpNice, RaisesToNextNiceMantissaAndReportsDecimals) {
  struct Row {
    double in, out;
    int code, decimals;
  };
  const Row rows[] = {{0.0035, 0.0036, 4, 5}, {0.35, 0.36, 2, 3}, {1.0, 1.1, 1, 2},
                      {7.3, 7.5, 1, 2},       {9.99, 10.0, 1, 2}, {10, 11, 0, 0},
                      {19.5, 20, 0, 0},       {20, 22, 0, 0},     {39.9, 40, 0, 0},
                      {40, 45, 0, 0},         {99.5, 100, 0, 0},  {100, 110, -1, 0},
                      {1234, 1300, -2, 0}};
  for (const Row& r : rows) {
    double v = r.in;
    const int code = RoundUpNice(v);
    EXPECT_NEAR(v, r.out, r.out * 1e-12) << r.in;
    EXPECT_EQ(code, r.code) << r.in;
    EXPECT_EQ(DecimalsFromCode(code), r.decimals) << r.in;
  }
}

TEST(RoundUpNice, GivesAPositiveAxisForZeroNegativeAndNonFiniteValues) {
  for (double bad :
       {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
    double v = bad;
    RoundUpNice(v);
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_GT(v, 0.0);
  }
}

TEST(AxisScaling, ShortRecordsAndLastIndicesBeyondTheArrayStayInside) {
  ScaleRecord s;
  // Short records keep the whole wave on a forward axis.
  ScaleRecordFileWaves(s, std::vector<double>(1000, 0.0), 500);
  EXPECT_LT(s.xStart, 0);
  EXPECT_GT(s.xEnd, 500);
  // A last index beyond the array never reads past it.
  const std::vector<double> strain = {0, 0.1, 0.25, 0.2}, stress = {0, 100, 300, 250};
  ScaleXYCurve(s, strain, stress, 99);
  EXPECT_NEAR(s.xEnd, 0.26, 1e-12);
  EXPECT_NEAR(s.yEnd, 320, 1e-9);
}

}  // namespace
}  // namespace velk
