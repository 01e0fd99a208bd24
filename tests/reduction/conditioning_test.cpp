#include "reduction/conditioning.h"

#include <gtest/gtest.h>

#include "synthetic.h"

namespace velk {
namespace {

using testing::TestRecord;

TEST(BridgeFactor, DefaultsAndZeroInputs) {
  EXPECT_EQ(BridgeConversionFactor(1.0, 8.0, 500.0, 2.1), 476.1904761904762);
  EXPECT_EQ(BridgeConversionFactor(1.0, 8.0, 500.0, 2.1), kDefaultConversionFactor);
  // Any zero input makes the product zero, which counts as 1e6.
  EXPECT_EQ(BridgeConversionFactor(1.0, 8.0, 0.0, 2.1), 4.0);
  // Arguments are (arms, voltage, gain, gauge factor): swapping two changes nothing only when
  // the product does not change, so a mixed-up slot shows here.
  EXPECT_EQ(BridgeConversionFactor(2.0, 8.0, 500.0, 2.1), 4e6 / (500.0 * 8.0 * 2.1 * 2.0));

  // Stored as the field shows it.
  EXPECT_EQ(FormatFixed6(-0.0000004), "-0.000000");
  EXPECT_EQ(AsShownFixed6(1000.0 / 3.0), 333.333333);
  ParameterPage page{0.0, 1.0, 2.1, 8.0, 500.0};
  RecalculateFactor(page);
  EXPECT_EQ(page.factor, 476.190476);
  page.arms = 0.0;
  RecalculateFactor(page);
  EXPECT_EQ(page.factor, 4.0);
}

// The working waves are shaped in place: the foot ramps a window method drew stay.
TEST(RearrangeChannels, ZeroOutsideWindowsBaselineOffInside) {
  const int n = 40;
  const std::vector<double> inc = Ramp(n, 10.0), tr = Ramp(n, 100.0);
  TestRecord r(inc, tr, false);
  r.doc.m_incBaseMean = 0.5;
  r.doc.m_trBaseMean = 0.25;
  auto reset = [&] {
    r.doc.m_workInc = inc;
    r.doc.m_workTr = tr;
  };
  reset();
  r.doc.m_workInc[7] = 99.0;  // a reshaped sample of the working wave, not of the raw one
  r.doc.m_windows = {5, 10, 20, 25, 12, 30};
  RearrangeChannels(r.doc);
  EXPECT_EQ(r.doc.m_workInc[7], 98.5);
  r.doc.m_workInc[7] = inc[7] - 0.5;
  for (int i = 0; i < n; ++i) {
    const bool incInside = (i >= 5 && i < 10) || i >= 20;  // the reflected end is not used
    EXPECT_EQ(r.doc.m_workInc[i], incInside ? inc[i] - 0.5 : 0.0) << i;
    const bool trInside = i >= 12 && i < 30;
    EXPECT_EQ(r.doc.m_workTr[i], trInside ? tr[i] - 0.25 : 0.0) << i;
  }

  // Bounds outside 0..n are clamped: nothing outside the arrays is touched (the sanitizer build
  // checks) and the parts inside the channel still follow the rules.
  reset();
  r.doc.m_windows = {-7, 3, 35, 400, -2, 1000};
  RearrangeChannels(r.doc);
  EXPECT_EQ(r.doc.m_workInc[3], 0.0);
  EXPECT_EQ(r.doc.m_workInc[39], inc[39] - 0.5);
  EXPECT_EQ(r.doc.m_workTr[0], tr[0] - 0.25);

  // A window whose start lies after its end is empty.
  reset();
  r.doc.m_windows = {10, 5, 40, 40, 30, 12};
  RearrangeChannels(r.doc);
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(r.doc.m_workInc[i], 0.0) << i;
    EXPECT_EQ(r.doc.m_workTr[i], 0.0) << i;
  }
}

// Writing the rearranged waves straight from a source must give what copying it in and shaping
// in place gives, for every layout of windows an operator can type: overlapping, inverted, out of
// the channel.
TEST(RearrangeChannels, FromASourceEqualsCopyThenInPlace) {
  const int n = 30;
  const std::vector<double> inc = Ramp(n, 3.0, 0.5), tr = Ramp(n, -1.0, 0.25);
  TestRecord r(std::vector<double>(n, 0.0), std::vector<double>(n, 0.0), false);
  r.doc.m_incBaseMean = 0.75;
  r.doc.m_trBaseMean = -0.5;
  const int bounds[] = {-3, 0, 4, 9, 15, 22, 30, 34};
  int layouts = 0;
  for (int is : bounds)
    for (int ie : bounds)
      for (int rs : bounds)
        for (int ts : {-1, 6, 20})
          for (int te : {0, 12, 31}) {
            r.doc.m_windows = {is, ie, rs, 27, ts, te};
            r.doc.m_workInc = inc;
            r.doc.m_workTr = tr;
            RearrangeChannels(r.doc);
            const auto inPlaceInc = r.doc.m_workInc, inPlaceTr = r.doc.m_workTr;
            r.doc.m_workInc.assign(n, 5.0);
            r.doc.m_workTr.assign(n, 5.0);
            RearrangeChannelsFrom(r.doc, inc, tr);
            ASSERT_EQ(r.doc.m_workInc, inPlaceInc) << is << " " << ie << " " << rs;
            ASSERT_EQ(r.doc.m_workTr, inPlaceTr) << ts << " " << te;
            ++layouts;
          }
  EXPECT_EQ(layouts, 8 * 8 * 8 * 9);
  // A reflected start inside the incident window subtracts the baseline twice there, as the
  // in-place steps do.
  r.doc.m_windows = {4, 15, 9, 27, 6, 12};
  RearrangeChannelsFrom(r.doc, inc, tr);
  EXPECT_EQ(r.doc.m_workInc[10], inc[10] - 0.75 - 0.75);
  EXPECT_EQ(r.doc.m_workInc[20], inc[20] - 0.75);
}

TEST(ResultSettings, OffersWindowIndicesAndTakesConfirmedRanges) {
  std::vector<double> inc(300, 1.0), tr(300, 2.0);
  inc[250] = 101.0;  // a single-sample range gives that sample
  tr[10] = 12.0;
  TestRecord r(inc, tr, false);
  r.ws.params.windowIndices = {1, 2, 3, 4, 5, 6};
  r.doc.m_windows = {9, 9, 9, 9, 9, 9};

  Sheet seen;
  r.ia.sheetAnswers.push_back([&](Sheet& s) {
    seen = s;
    std::get<WavePosPage>(s.pages[0].data) = WavePosPage{12, 11, 14, 13, 16, 15};
    s.pages[1].opened = true;
    auto& cal = std::get<CalibrationPage>(s.pages[1].data);
    cal.incBaseStart = cal.incBaseEnd = 250;
    cal.trBaseStart = 0;
    cal.trBaseEnd = 19;
    cal.incMean = 777.0;  // read-only field: must not be taken
    return true;
  });
  EXPECT_EQ(OnResultSettings(r.doc, r.ia), kDone);
  ASSERT_EQ(seen.pages.size(), 2u);
  EXPECT_EQ(std::get<WavePosPage>(seen.pages[0].data).trEnd, 6);
  EXPECT_EQ(std::get<CalibrationPage>(seen.pages[1].data).incMean, 1.0);

  EXPECT_EQ(r.doc.m_incBaseMean, 101.0);
  EXPECT_EQ(r.doc.m_trBaseMean, 2.5);  // (19 * 2 + 12) / 20
  EXPECT_EQ(r.doc.m_windows, (std::array<int, 6>{11, 12, 13, 14, 15, 16}));
  // The window indices are not changed by the sheet; the next opening offers them again.
  EXPECT_EQ(r.ws.params.windowIndices, (std::array<int, 6>{1, 2, 3, 4, 5, 6}));

  // A baseline page never opened is not read back.
  r.ia.sheetAnswers.push_back([](Sheet& s) {
    std::get<CalibrationPage>(s.pages[1].data).incBaseStart = 0;
    return true;
  });
  EXPECT_EQ(OnResultSettings(r.doc, r.ia), kDone);
  EXPECT_EQ(r.doc.m_incBaseStart, 250);
  EXPECT_EQ(r.doc.m_windows[0], 1);
}

TEST(BridgeParameters, StoresOpenedPagesAndSwitchesToBridgeMode) {
  TestRecord r(testing::Flat(10, 0.0), testing::Flat(10, 0.0), false);
  auto& ch = r.ws.params.channel;
  ch[kTransmitted].factor = 1.0 / 3.0;  // a value no page would show
  r.ws.Set(kCalibration);

  Sheet seen;
  r.ia.sheetAnswers.push_back([&](Sheet& s) {
    seen = s;
    auto& p = std::get<ParameterPage>(s.pages[0].data);
    p.gain = 1000.0;
    RecalculateFactor(p);
    // The second tab is edited by the script but was never opened: it is not read back.
    std::get<ParameterPage>(s.pages[1].data).gain = 1.0;
    return true;
  });
  OnBridgeParameters(r.doc, r.ia);
  EXPECT_EQ(std::get<ParameterPage>(seen.pages[0].data).factor, kDefaultConversionFactor);
  EXPECT_EQ(ch[kIncident].gainOrStaticStrain, 1000.0);
  EXPECT_EQ(ch[kIncident].factor, 238.095238);
  EXPECT_EQ(ch[kTransmitted].gainOrStaticStrain, 500.0);
  EXPECT_EQ(ch[kTransmitted].factor, 1.0 / 3.0);
  EXPECT_TRUE(r.ws.Has(kBridgeParams));
  EXPECT_FALSE(r.ws.Has(kCalibration));

  // A CS20000 test is scaled by its own calibration: no sheet at all.
  r.ws.Clear(kBridgeParams);
  r.ws.Set(kCs20000Source);
  const auto prompts = r.ia.prompts.size();
  OnBridgeParameters(r.doc, r.ia);
  EXPECT_EQ(r.ia.prompts.size(), prompts);
  EXPECT_FALSE(r.ws.Has(kBridgeParams));
}

}  // namespace
}  // namespace velk
