#include "reduction/smoothing.h"

#include <gtest/gtest.h>

#include "reduction/stress_strain.h"
#include "synthetic.h"

namespace velk {
namespace {

using testing::Flat;
using testing::TestRecord;

TEST(SmoothArray, ThreePointFormulasAtStartMiddleAndEnd) {
  const std::vector<double> a = {1.0, 4.0, 2.0, 8.0, 5.0, 7.0, 3.0, 6.0};
  const int L = 7;
  const auto b = SmoothArray(a, 3, L);
  ASSERT_EQ(b.size(), 8u);
  EXPECT_EQ(b[0], a[0]);
  EXPECT_EQ(b[L], a[L]);
  EXPECT_EQ(b[1], ((a[1] + a[0]) / 2 + (a[1] + a[2]) / 2) * 0.5);
  for (int i = 2; i <= L - 2; ++i) {
    EXPECT_EQ(b[i], ((a[i] + a[i - 1] + a[i - 2]) / 3 + (a[i] + a[i + 1] + a[i + 2]) / 3) * 0.5)
        << i;
  }
  EXPECT_EQ(b[L - 1], ((a[L - 1] + a[L - 2]) / 2 + (a[L - 1] + a[L]) / 2) * 0.5);

  // p = 2 weighs the centre twice; p = 1 changes nothing.
  const auto b2 = SmoothArray(a, 2, L);
  for (int i = 1; i < L; ++i) EXPECT_DOUBLE_EQ(b2[i], (a[i - 1] + 2 * a[i] + a[i + 1]) / 4) << i;
  EXPECT_EQ(SmoothArray(a, 1, L), a);
  // Only a[0..last] is used and returned.
  const auto part = SmoothArray(a, 3, 4);
  ASSERT_EQ(part.size(), 5u);
  EXPECT_EQ(part[4], a[4]);
  EXPECT_EQ(part[3], ((a[3] + a[2]) / 2 + (a[3] + a[4]) / 2) * 0.5);
}

TEST(SmoothArray, FlatArraysStayAndInvalidArgumentsChangeNothing) {
  const std::vector<double> flat(21, 2.0);
  for (int p = 1; p <= 11; ++p) EXPECT_EQ(SmoothArray(flat, p, 20), flat) << p;

  const std::vector<double> a = {1.0, 5.0, 2.0, 9.0, 3.0};
  EXPECT_TRUE(SmoothingArgsValid(3, 4, a.size()));
  EXPECT_FALSE(SmoothingArgsValid(4, 4, a.size()));  // 2p - 2 = 6 > 4
  EXPECT_FALSE(SmoothingArgsValid(0, 4, a.size()));
  EXPECT_FALSE(SmoothingArgsValid(2, 5, a.size()));  // last beyond the array
  EXPECT_EQ(SmoothArray(a, 4, 4), a);
  EXPECT_EQ(SmoothArray(a, 2, 99), a);
  EXPECT_TRUE(SmoothArray(a, 2, -1).empty());
}

// A record with computed results whose view shows the given curve kind.
struct Smoothable {
  TestRecord r{Flat(400, 0.0), Flat(400, 0.0)};
  explicit Smoothable(int kind) {
    for (int i = 0; i < 400; ++i) {
      r.doc.m_rawInc[i] = (i % 2) * 1.0;
      r.doc.m_rawTr[i] = (i % 3) * 1.0;
      r.doc.m_workInc[i] = (i % 2) * 1.0;
      r.doc.m_workTr[i] = (i % 5) * 1.0;
    }
    r.doc.m_windows = {0, 100, 100, 200, 200, 300};
    EXPECT_TRUE(ComputeStressStrain(r.doc, r.ia));
    // Results that are not flat, so that smoothing shows.
    for (auto& c : r.doc.m_computed) {
      for (std::size_t i = 0; i < c.size(); ++i) c[i] = static_cast<double>((i * 7) % 5);
    }
    r.view->SelectCurve(kind, 1, 0);
  }
};

TEST(ApplySmoothing, PassesAccumulateOnlyWhileSmoothedCurvesAreChecked) {
  Smoothable s(kEngStressCurve);
  CVelkDoc& d = s.r.doc;
  const std::vector<double> once = SmoothArray(d.m_computed[kEngStress], 3, d.m_lastResultIndex);
  const std::vector<double> twice = SmoothArray(once, 3, d.m_lastResultIndex);

  // The first pass starts from the computed curves; the total points are ignored for results.
  ASSERT_TRUE(ApplySmoothing(d, 3, 5, s.r.ia));
  EXPECT_EQ(d.m_smoothed[kEngStress], once);
  EXPECT_EQ(s.r.view->m_showSmoothed, 1);
  EXPECT_TRUE(d.m_chooser.showSmoothedChecked);
  EXPECT_TRUE(s.r.ws.Has(kCurvesSmoothed));
  EXPECT_FALSE(s.r.ws.Has(kWavesSmoothed));
  EXPECT_EQ(s.r.view->m_smoothedY, &d.m_smoothed[kEngStress]);
  // With "光滑后曲线" checked the next pass smooths the smoothed curve again.
  ASSERT_TRUE(ApplySmoothing(d, 3, 5, s.r.ia));
  EXPECT_EQ(d.m_smoothed[kEngStress], twice);
  // Unchecked, a pass starts again from the computed curve.
  d.m_chooser.showSmoothedChecked = false;
  ASSERT_TRUE(ApplySmoothing(d, 3, 5, s.r.ia));
  EXPECT_EQ(d.m_smoothed[kEngStress], once);
  EXPECT_EQ(d.m_smoothed[kTrueStrainRate],
            SmoothArray(d.m_computed[kTrueStrainRate], 3, d.m_lastResultIndex));
  // The computed curves never change.
  EXPECT_EQ(d.m_computed[kEngStress][3], 1.0);
}

TEST(ApplySmoothing, WaveKindsSmoothBothWavesOverTheTotalPoints) {
  Smoothable s(kOriginalWave);
  CVelkDoc& d = s.r.doc;
  const int n = d.pointCount();
  ASSERT_TRUE(ApplySmoothing(d, 2, n, s.r.ia));
  EXPECT_TRUE(s.r.ws.Has(kWavesSmoothed));
  ASSERT_EQ(d.m_smoothInc.size(), static_cast<std::size_t>(n + 1));
  // The spare entry n is the last raw sample, smoothed as a sample.
  std::vector<double> raw = d.m_rawInc;
  raw.push_back(raw.back());
  EXPECT_EQ(d.m_smoothInc, SmoothArray(raw, 2, n));
  // A shorter total smooths the front part only; the rest keeps its values.
  d.m_chooser.showSmoothedChecked = false;
  ASSERT_TRUE(ApplySmoothing(d, 2, 10, s.r.ia));
  EXPECT_EQ(d.m_smoothTr[11], d.m_rawTr[11]);
  EXPECT_EQ(d.m_smoothTr[5], (d.m_rawTr[4] + 2 * d.m_rawTr[5] + d.m_rawTr[6]) / 4);
  EXPECT_EQ(d.m_smoothTr.size(), static_cast<std::size_t>(n + 1));
}

// A test just read has no smoothed waves yet: the first smoothing makes them from the raw ones.
TEST(ApplySmoothing, WavesOfATestJustReadAreMadeFirst) {
  TestRecord r(Flat(50, 1.0), Flat(50, 2.0));
  for (int i = 0; i < 50; ++i) r.doc.m_rawInc[i] = (i * 3) % 7;
  for (auto* w : {&r.doc.m_workInc, &r.doc.m_workTr, &r.doc.m_smoothInc, &r.doc.m_smoothTr}) {
    w->clear();
  }
  r.doc.m_chooser.showSmoothedChecked = true;  // so no refresh runs before the pass
  ASSERT_TRUE(ApplySmoothing(r.doc, 3, 50, r.ia)) << r.ia.messages.size();
  std::vector<double> raw = r.doc.m_rawInc;
  raw.push_back(raw.back());
  EXPECT_EQ(r.doc.m_smoothInc, SmoothArray(raw, 3, 50));
  EXPECT_EQ(r.doc.m_smoothTr, Flat(51, 2.0));
  EXPECT_EQ(r.doc.m_workInc.size(), 50u);
}

TEST(ApplySmoothing, RefusesPointsTheArraysCannotGive) {
  Smoothable s(kOriginalWave);
  CVelkDoc& d = s.r.doc;
  const auto before = d.m_smoothInc;
  const int n = d.pointCount();
  for (auto [p, L] : {std::pair{0, n}, {-3, n}, {n, n}, {3, n + 1}, {3, -1}, {2, 1}}) {
    EXPECT_FALSE(ApplySmoothing(d, p, L, s.r.ia)) << p << " " << L;
    EXPECT_EQ(d.m_smoothInc, before) << p << " " << L;
  }
  EXPECT_EQ(s.r.ia.messages.size(), 6u);
  EXPECT_FALSE(s.r.ws.Has(kWavesSmoothed));
  EXPECT_EQ(s.r.view->m_showSmoothed, 0);

  Smoothable t(kTrueStressStrain);
  t.r.doc.m_lastResultIndex = 2;
  EXPECT_FALSE(ApplySmoothing(t.r.doc, 3, 400, t.r.ia));  // 2p - 2 = 4 > N = 2
  EXPECT_NE(t.r.ia.messages.at(0).find("between 1 and 2"), std::string::npos);
}

}  // namespace
}  // namespace velk
