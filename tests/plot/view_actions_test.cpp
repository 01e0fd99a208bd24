#include "plot/core/view_actions.h"

#include <gtest/gtest.h>

#include "plot/render/plot_renderer.h"
#include "plot_fixture.h"
#include "record/scripted_interaction.h"

namespace velk {
namespace {

using testing::PlotFixture;

const PlotMetrics kMetrics = MetricsForClient(690, 490);

TEST(GraphSettings, OkWritesStartsEndsStepsAndRangesAndKeepsDecimals) {
  PlotFixture f;
  f.Waves(std::vector<double>(2000, 0.1), std::vector<double>(2000, -0.1));
  f.vm.SelectCurve(kOriginalWave, 1, 0);
  const ScaleRecord before = f.vm.Current();
  ScriptedInteraction ui;
  Sheet seen;
  ui.sheetAnswers.push_back([&](Sheet& sheet) {
    seen = sheet;
    auto& page = std::get<ScalePage>(sheet.pages.at(0).data);
    page = ScalePage{1000, 500, 100, 0.5, -0.5, 0.2};
    return true;
  });
  int redraws = 0;
  f.vm.onRedraw = [&] { ++redraws; };
  EXPECT_TRUE(RunGraphSettings(f.vm, ui));
  // The page showed the record as it was.
  EXPECT_EQ(std::get<ScalePage>(seen.pages.at(0).data).xEnd, before.xEnd);
  const ScaleRecord& s = f.vm.Current();
  EXPECT_EQ(s.xRange, 500);
  EXPECT_EQ(s.yRange, 1.0);
  EXPECT_EQ(s.yDecimals, before.yDecimals);
  EXPECT_EQ(redraws, 1);
  // Exactly indices 500 to 1000 across the whole X axis.
  EXPECT_EQ(f.vm.GetVisibleRange(), std::make_pair(500, 1000));
  const auto pts = CurvePolyline(f.vm, kMetrics, false, false);
  EXPECT_EQ(pts.front().x(), 60);
  EXPECT_EQ(pts.back().x(), 660);
}

TEST(BaselineDrag, StoresTheClampedRangeOfTheShownChannelOnRawWavesOnly) {
  PlotFixture f;
  std::vector<double> inc(1000), tr(1000);
  for (int i = 0; i < 1000; ++i) {
    inc[i] = i;
    tr[i] = -i;
  }
  f.Waves(inc, tr);
  f.vm.SelectCurve(kOriginalWave, 1, 0);
  f.vm.Current() = ScaleRecord{0, 1000, 1000, 200, 0, -1000, 1000, 2000, 400, 0};
  // index(x) = trunc((x - 60) * 1000 / 600).
  // Left of the plot area and beyond the wave's end clamp to its first and last sample.
  EXPECT_TRUE(ApplyBaselineDrag(f.vm, kMetrics, 10, 680));
  EXPECT_EQ(f.doc.m_incBaseStart, 0);
  EXPECT_EQ(f.doc.m_incBaseEnd, 999);
  f.doc.m_shownWaves = 2;
  EXPECT_TRUE(ApplyBaselineDrag(f.vm, kMetrics, 60, 66));
  EXPECT_EQ(f.doc.m_trBaseStart, 0);
  EXPECT_EQ(f.doc.m_trBaseEnd, 10);
  EXPECT_DOUBLE_EQ(f.doc.m_trBaseMean, -5.0);
  EXPECT_EQ(f.doc.m_incBaseEnd, 999) << "the other channel keeps its range";
}

TEST(VisibleRange, FollowsTheXAxisAndNeverPassesTheData) {
  PlotFixture f;
  std::vector<double> y(2001, 1.0);
  f.Results(y, y);
  f.vm.SelectCurve(kEngStressCurve, 1, 0);
  ScaleRecord& s = f.vm.Current();
  s.xStart = -50;
  s.xEnd = 2200;
  EXPECT_EQ(f.vm.GetVisibleRange(), std::make_pair(0, 2000)) << "X end beyond N";
  s.xStart = 10.9;
  s.xEnd = 1500.7;
  EXPECT_EQ(f.vm.GetVisibleRange(), std::make_pair(10, 1500));
  f.vm.SelectCurve(kEngStressStrain, 1, 0);
  f.vm.Current().xStart = 0;
  f.vm.Current().xEnd = 0.26;
  EXPECT_EQ(f.vm.GetVisibleRange(), std::make_pair(0, 2000)) << "strain axis: whole curve";
  f.Waves(std::vector<double>(1024, 0.0), std::vector<double>(1024, 0.0));
  f.vm.SelectCurve(kOriginalWave, 1, 0);
  f.vm.Current().xEnd = 1024;
  EXPECT_EQ(f.vm.GetVisibleRange(), std::make_pair(0, 1023)) << "a wave ends at its last sample";
  f.vm.Current().xEnd = 500;
  EXPECT_EQ(f.vm.GetVisibleRange().second, 500);
}

}  // namespace
}  // namespace velk
