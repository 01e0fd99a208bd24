// The mean curve of repeat tests against a hand calculation, and the inputs it must refuse.

#include "analysis/comparison.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tools/mean_curve_csv.h"

namespace velk {
namespace {

StressStrainCurve Curve(std::string name, std::vector<double> strain, std::vector<double> stress) {
  return {std::move(name), std::move(strain), std::move(stress)};
}

TEST(Comparison, MeanAndSampleDeviationMatchAHandCalculation) {
  // A: 1000 e up to 0.10 (11 points); B: 1200 e up to 0.08; C: 1000 e to 0.05, then 50 MPa to
  // 0.12. Common range 0..0.08 (B's maximum), 11 grid points 0.008 apart.
  std::vector<StressStrainCurve> c = {
      Curve("A", {0, .01, .02, .03, .04, .05, .06, .07, .08, .09, .10},
            {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}),
      Curve("B", {0, .02, .04, .06, .08}, {0, 24, 48, 72, 96}),
      Curve("C", {0, .05, .12}, {0, 50, 50})};
  const MeanCurveResult r = ComputeMeanCurve(c);
  ASSERT_TRUE(r.ok()) << r.message;
  const MeanCurve& m = r.curve;
  ASSERT_EQ(m.strain.size(), 11u);
  EXPECT_EQ(m.n, 3);
  EXPECT_EQ(m.strain.front(), 0.0);
  EXPECT_EQ(m.strain.back(), 0.08);
  EXPECT_EQ(m.mean[0], 0.0);
  EXPECT_EQ(m.sd[0], 0.0);
  // e = 0.04: 40, 48, 40.
  EXPECT_NEAR(m.strain[5], 0.04, 1e-15);
  EXPECT_NEAR(m.mean[5], 128.0 / 3, 1e-12);
  EXPECT_NEAR(m.sd[5], std::sqrt(64.0 / 3), 1e-12);  // squares 64/9 + 256/9 * 4 + 64/9, over 2
  // e = 0.056: 56, 67.2 (between B's points), 50 (C's plateau).
  EXPECT_NEAR(m.mean[7], 173.2 / 3, 1e-12);
  const double d[] = {56 - 173.2 / 3, 67.2 - 173.2 / 3, 50 - 173.2 / 3};
  EXPECT_NEAR(m.sd[7], std::sqrt((d[0] * d[0] + d[1] * d[1] + d[2] * d[2]) / 2), 1e-12);
  // e = 0.08: 80, 96, 50; sum of squares 3272/3, variance 1636/3.
  EXPECT_NEAR(m.mean[10], 226.0 / 3, 1e-12);
  EXPECT_NEAR(m.sd[10], std::sqrt(1636.0 / 3), 1e-12);

  const std::string csv = MeanCurveCsv(m, false);
  EXPECT_EQ(csv.substr(0, csv.find('\n')),
            "engineering strain (-),mean engineering stress (MPa),standard deviation (MPa),"
            "mean - sd (MPa),mean + sd (MPa),n");
  EXPECT_NE(csv.find("\n0.080000000000000002,75.333333333333329,23.352373184182657,"
                     "51.980960149150675,98.685706517515982,3\n"),
            std::string::npos)
      << csv;
  EXPECT_EQ(MeanCurveCsv(m, true).rfind("true strain (-),mean true stress (MPa),", 0), 0u);
}

TEST(Comparison, ReadsACurveThatGoesBackAlongItsRunningMaximum) {
  // The dip at 0.015 (stress 99) and the unloading after 0.04 are not part of the loading.
  const auto wobbly =
      Curve("W", {0.001, .02, .015, .03, .04, .035, .01}, {1, 20, 99, 30, 40, 35, 10});
  const StressStrainCurve b = LoadingBranch(wobbly);
  EXPECT_EQ(b.strain, (std::vector<double>{0.001, .02, .03, .04}));
  EXPECT_EQ(b.stress, (std::vector<double>{1, 20, 30, 40}));
  EXPECT_DOUBLE_EQ(StressAt(b, 0.025), 25.0);

  // The grid starts at the larger first strain and ends at the smaller maximum.
  std::vector<StressStrainCurve> c = {wobbly, Curve("L", {0, .05}, {0, 50})};
  const MeanCurveResult r = ComputeMeanCurve(c, 3);
  ASSERT_TRUE(r.ok()) << r.message;
  EXPECT_EQ(r.curve.strain, (std::vector<double>{0.001, 0.0205, 0.04}));
  EXPECT_NEAR(r.curve.mean[1], 20.5, 1e-12);  // W 20.5 between (.02, 20) and (.03, 30); L 20.5
  EXPECT_NEAR(r.curve.sd[1], 0.0, 1e-12);

  // Long inputs make a grid of at most the result limit.
  std::vector<double> e(5000), s(5000);
  for (std::size_t i = 0; i < e.size(); ++i) s[i] = e[i] = static_cast<double>(i);
  c = {Curve("X", e, s), Curve("Y", e, s)};
  EXPECT_EQ(ComputeMeanCurve(c).curve.strain.size(), kMaxGridPoints);
}

TEST(Comparison, RefusesWhatCannotBeAveragedNamingTheCurve) {
  const auto good = Curve("good", {0, .1}, {0, 100});
  auto refusal = [](std::vector<StressStrainCurve> c) {
    const MeanCurveResult r = ComputeMeanCurve(c);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.curve.strain.empty());
    return std::make_pair(r.message, r.args);
  };
  EXPECT_EQ(refusal({good}).first, "对比至少需要两条曲线。");
  EXPECT_EQ(refusal({}).first, "对比至少需要两条曲线。");
  auto [message, args] = refusal({good, Curve("empty", {}, {})});
  EXPECT_EQ(message, "曲线 %1 没有数据点。");
  EXPECT_EQ(args.at(0), "empty");
  std::tie(message, args) = refusal({good, Curve("short", {0, .1}, {0})});
  EXPECT_EQ(message, "曲线 %1 的应变与应力点数不同。");
  std::tie(message, args) = refusal({good, Curve("nan", {0, .05, .1}, {0, 1, std::nan("")})});
  EXPECT_EQ(message, "曲线 %1 的第 %2 点不是有限数值。");
  EXPECT_EQ(args, (std::vector<std::string>{"nan", "3"}));
  std::tie(message, args) = refusal({good, Curve("inf", {0, INFINITY}, {0, 1})});
  EXPECT_EQ(args, (std::vector<std::string>{"inf", "2"}));
  // No overlap, and a curve whose strain never rises.
  EXPECT_EQ(refusal({good, Curve("later", {.2, .3}, {0, 1})}).first,
            "这些曲线没有共同的应变范围。");
  EXPECT_EQ(refusal({good, Curve("flat", {0, 0, -.1}, {0, 1, 2})}).first,
            "这些曲线没有共同的应变范围。");
}

}  // namespace
}  // namespace velk
