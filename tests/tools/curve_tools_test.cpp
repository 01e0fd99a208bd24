#include "tools/curve_tools.h"

#include <gtest/gtest.h>

#include "../record/locale_util.h"
#include "../reduction/synthetic.h"
#include "reduction/stress_strain.h"

namespace velk {
namespace {

using testing::Flat;
using testing::TestRecord;

// A record with N + 1 result points whose curves the test then writes directly.
struct Results {
  TestRecord r{Flat(500, 0.0), Flat(500, 0.0)};
  explicit Results(int N, int kind = kEngStressStrain) {
    r.doc.m_windows = {0, 0, 0, 0, 100, 100 + N};
    EXPECT_TRUE(ComputeStressStrain(r.doc, r.ia));
    r.view->SelectCurve(kind, 1, 0);
  }
  std::vector<double>& stress() { return r.doc.m_computed[kEngStress]; }
  std::vector<double>& strain() { return r.doc.m_computed[kEngStrain]; }
};

TEST(AverageStrainRate, StrainOverElapsedTimeInPerSecond) {
  Results s(200);
  for (int i = 0; i <= 200; ++i) s.strain()[i] = 0.0001 * i;
  s.r.doc.m_smoothed[kEngStrain] = s.strain();
  s.r.doc.m_smoothed[kEngStrain][100] = 0.02;
  s.r.ia.pickAnswers = {100};
  OnAverageStrainRate(s.r.doc, s.r.ia);
  // 0.01 over 100 samples of 0.2 us.
  EXPECT_EQ(s.r.ia.coordinateText, "试验平均应变率= 500.0(1/s)");
  // With the smoothed curves shown the smoothed strain is used.
  s.r.view->m_showSmoothed = 1;
  s.r.ia.pickAnswers = {100};
  OnAverageStrainRate(s.r.doc, s.r.ia);
  EXPECT_EQ(s.r.ia.coordinateText, "试验平均应变率= 1000.0(1/s)");
  EXPECT_TRUE(s.r.ia.messages.empty());

  // Point 0 has no elapsed time, nor has a zero interval; nothing outside the curve is read.
  s.r.ia.coordinateText.clear();
  s.r.ia.pickAnswers = {0};
  OnAverageStrainRate(s.r.doc, s.r.ia);
  EXPECT_EQ(s.r.ia.coordinateText, "");
  EXPECT_EQ(s.r.ia.messages.size(), 1u);
  EXPECT_FALSE(AverageStrainRate(s.strain(), 10, 0.0));
  EXPECT_FALSE(AverageStrainRate(s.strain(), 201, 0.2));
  // Only on the engineering stress-strain curve.
  s.r.view->SelectCurve(kTrueStressStrain, 1, 0);
  OnAverageStrainRate(s.r.doc, s.r.ia);
  EXPECT_EQ(s.r.ia.messages.back(), "请在工程应力应变曲线界面计算");
}

TEST(CutCurve, KeepsThePickedPointAndNeverLengthens) {
  Results s(200, kEngStressCurve);
  s.r.ia.pickAnswers = {120};
  OnCutCurve(s.r.doc, s.r.ia);
  EXPECT_EQ(s.r.doc.m_lastResultIndex, 120);
  // Indices outside the curve, as the history kinds' arrow keys can reach: refused.
  s.r.ia.pickAnswers = {150, -4};
  OnCutCurve(s.r.doc, s.r.ia);
  OnCutCurve(s.r.doc, s.r.ia);
  EXPECT_EQ(s.r.doc.m_lastResultIndex, 120);
  EXPECT_EQ(s.r.ia.messages.size(), 2u);
  // Not on the waves.
  s.r.view->SelectCurve(kProcessedWave, 1, 0);
  OnCutCurve(s.r.doc, s.r.ia);
  EXPECT_EQ(s.r.ia.messages.back(), "请选择计算的曲线");
}

TEST(Straighten, WalksTheLineDownToZeroStressAndShiftsTheCurve) {
  // Strain steps of 1/1024 and a linear part of slope 10 per point through (30, 0): the line
  // from the centre reaches zero stress exactly at point 30.
  const int N = 200, c = 60;
  Results s(N);
  for (int i = 0; i <= N; ++i) {
    s.strain()[i] = i / 1024.0;
    s.stress()[i] = i < 40 ? 50.0 + i : 10.0 * (i - 30);
  }
  s.r.ia.pickAnswers = {c};
  OnStraightenCurve(s.r.doc, s.r.ia);
  ASSERT_EQ(s.r.ia.messages.size(), 1u);
  EXPECT_EQ(s.r.ia.messages[0], "choose the center point No. around which to straighten the curve");
  EXPECT_EQ(s.r.doc.m_lastResultIndex, N - 30);
  for (int j = 0; j <= N - 30; ++j) {
    EXPECT_EQ(s.strain()[j], j / 1024.0) << j;
    EXPECT_EQ(s.stress()[j], 10.0 * j) << j;
  }

  // A line that stays above zero down to point 0: z = 0, only point 0 becomes zero and the strain
  // shifts by its first value.
  Results t(N, kTrueStressStrain);  // accepted on the true curve, rewrites the engineering one
  for (int i = 0; i <= N; ++i) {
    t.strain()[i] = (i + 5) / 1024.0;
    t.stress()[i] = 1000.0 + 10.0 * i;
  }
  t.r.ia.pickAnswers = {c};
  OnStraightenCurve(t.r.doc, t.r.ia);
  EXPECT_EQ(t.r.doc.m_lastResultIndex, N);
  EXPECT_EQ(t.stress()[0], 0.0);
  EXPECT_EQ(t.stress()[1], 1010.0);
  EXPECT_EQ(t.strain()[0], 0.0);
  EXPECT_EQ(t.strain()[N], N / 1024.0);
}

TEST(Straighten, RefusesCentresNearTheEndsAndFlatStrain) {
  const int N = 100;
  Results s(N);
  for (int i = 0; i <= N; ++i) {
    s.strain()[i] = i / 1024.0;
    s.stress()[i] = 5.0 * i;
  }
  const auto stress = s.stress();
  for (int c : {9, N - 9, N + 20, -1}) {
    s.r.ia.pickAnswers = {c};
    OnStraightenCurve(s.r.doc, s.r.ia);
  }
  EXPECT_EQ(s.stress(), stress);
  EXPECT_EQ(s.r.doc.m_lastResultIndex, N);
  EXPECT_EQ(s.r.ia.messages.size(), 8u);  // the prompt and a refusal for each

  // No strain change across the centre: no slope to take.
  Results f(N);
  for (int i = 0; i <= N; ++i) f.stress()[i] = 5.0 * i;
  f.r.ia.pickAnswers = {50};
  const auto fs = f.stress();
  OnStraightenCurve(f.r.doc, f.r.ia);
  EXPECT_EQ(f.stress(), fs);
  EXPECT_EQ(f.r.ia.messages.size(), 2u);
  EXPECT_FALSE(StraightenSlope(f.stress(), f.strain(), 50, N));
}

TEST(AverageStrainRate, TextKeepsItsDecimalPointUnderADecimalCommaLocale) {
  CLocaleAfterwards restore;
  if (!UseDecimalCommaLocale()) GTEST_SKIP() << "no decimal-comma locale on this machine";
  EXPECT_EQ(FormatAverageStrainRate(-1234.56), "试验平均应变率= -1234.6(1/s)");
}

}  // namespace
}  // namespace velk
