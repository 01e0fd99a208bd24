#include "plot/core/view_model.h"

#include <gtest/gtest.h>

#include "plot_fixture.h"

namespace velk {
namespace {

using testing::PlotFixture;

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
