#include "plot/core/pick_session.h"

#include <gtest/gtest.h>

#include "../record/test_files.h"
#include "plot_fixture.h"

namespace velk {
namespace {

using testing::PlotFixture;

const PlotMetrics kMetrics = MetricsForClient(690, 490);  // W = 660, H = 430

// Kind 5 over indices 0..200 with y = 1.5 i, on an axis where px(i) = 60 + 3 i and
// py(y) = 430 - y.
void HistoryCurve(PlotFixture& f, double xEnd = 200) {
  f.Results(Ramp(201, 0.0, 1.5), Ramp(201, 0.0, 1.5));
  f.vm.SelectCurve(kEngStressCurve, 1, 0);
  f.vm.Current() = ScaleRecord{0, xEnd, xEnd, xEnd / 5, 0, 0, 400, 400, 80, 0};
}

void Press(PickSession& s, int key, int times = 1) {
  for (int k = 0; k < times; ++k) s.HandleKey(key);
}

TEST(PickSession, StepsAlongTheCurveWithinItsLimitsAndAcceptsTheShownIndex) {
  PlotFixture f;
  HistoryCurve(f);
  PickSession s(f.vm);
  ASSERT_TRUE(s.Begin(kMetrics));
  EXPECT_EQ(s.cursorX(), 60 - 11);
  EXPECT_FALSE(s.readout()) << "no read-out before a key";

  // R stops one short of the last index, full stop (ten at a time) 11 short; comma steps back ten.
  Press(s, kKeyR, 300);
  EXPECT_EQ(s.index(), 199);
  Press(s, kKeyComma, 100);
  EXPECT_EQ(s.index(), 9);
  Press(s, kKeyFullStop, 100);
  EXPECT_EQ(s.index(), 189);
  Press(s, kKeyL, 88);
  EXPECT_EQ(s.index(), 101);
  EXPECT_EQ(s.cursorX(), 60 + 303 - 11);
  EXPECT_EQ(s.cursorY(), 278 - 11);  // py(151.5) = 278.5
  ASSERT_TRUE(s.readout());
  EXPECT_EQ(*s.readout(), "X=101 Y=151.500000  ");
  EXPECT_EQ(s.HandleKey(kKeyEnter), PickSession::Outcome::kAccept);
  EXPECT_EQ(f.doc.m_pickedIndex, 101);
  EXPECT_EQ(f.doc.m_pickedValue, 151);
  EXPECT_EQ(s.HandleKey(kKeyEsc), PickSession::Outcome::kCancel);

  // Enter before any key takes the first visible point.
  f.vm.Current().xStart = 5;
  PickSession t(f.vm);
  ASSERT_TRUE(t.Begin(kMetrics));
  EXPECT_EQ(t.HandleKey(kKeyEnter), PickSession::Outcome::kAccept);
  EXPECT_EQ(f.doc.m_pickedIndex, 5);
  EXPECT_EQ(f.doc.m_pickedValue, 7);
}

TEST(PickSession, SmoothedCurveIsSteppedButTheValueComesFromTheUnsmoothedOne) {
  PlotFixture f;
  HistoryCurve(f);
  for (double& v : f.doc.m_smoothed[kEngStress]) v = 100;
  f.doc.m_computed[kEngStress][3] = -7.9;
  f.vm.SelectCurve(kEngStressCurve, 0, 1);
  f.vm.Current() = ScaleRecord{0, 200, 200, 40, 0, 0, 400, 400, 80, 0};
  PickSession s(f.vm);
  ASSERT_TRUE(s.Begin(kMetrics));
  Press(s, kKeyR, 3);
  EXPECT_EQ(s.cursorY(), 330 - 11);
  EXPECT_EQ(*s.readout(), "X=3 Y=100.000000  ");
  EXPECT_EQ(s.HandleKey(kKeyEnter), PickSession::Outcome::kAccept);
  EXPECT_EQ(f.doc.m_pickedIndex, 3);
  EXPECT_EQ(f.doc.m_pickedValue, -7);
}

TEST(PickSession, RawWavesEndAtTheirLastSampleAndTwoChannelsCannotBePicked) {
  PlotFixture f;
  f.Waves(std::vector<double>(300, 0.0), std::vector<double>(300, 5.0));
  f.vm.SelectCurve(kOriginalWave, 1, 0);
  f.vm.Current() = ScaleRecord{100, 1000, 900, 180, 0, -100, 100, 200, 40, 0};
  PickSession s(f.vm);
  ASSERT_TRUE(s.Begin(kMetrics));
  Press(s, kKeyR, 500);
  EXPECT_EQ(s.index(), 299) << "a wave ends at its last sample";

  f.doc.m_shownWaves = 3;
  PickSession two(f.vm);
  EXPECT_FALSE(two.Begin(kMetrics));
  f.doc.m_shownWaves = 2;
  f.vm.SelectCurve(kProcessedWave, 1, 0);
  f.doc.m_workTr.clear();
  EXPECT_FALSE(PickSession(f.vm).Begin(kMetrics)) << "nothing to pick on an empty wave";
}

TEST(PickSession, PickedValuesComeOnlyFromInsideTheCurve) {
  PlotFixture f;
  HistoryCurve(f);
  EXPECT_TRUE(PickValueAt(f.vm, 10));
  EXPECT_EQ(f.doc.m_pickedValue, 15);
  EXPECT_FALSE(PickValueAt(f.vm, -1));
  f.doc.m_lastResultIndex = 50;
  EXPECT_FALSE(PickValueAt(f.vm, 51)) << "beyond the last result index";
}

}  // namespace
}  // namespace velk
