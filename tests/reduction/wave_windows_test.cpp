#include "reduction/wave_windows.h"

#include <gtest/gtest.h>

#include <cmath>

#include "synthetic.h"

namespace velk {
namespace {

using testing::AddPulse;
using testing::Flat;
using testing::TestRecord;
using testing::ThreeWaveRecord;

TEST(FirstPeak, SkipsLowBumpsTakesPlateauStartFallsBackToMaximum) {
  //                              0  1  2  3  4  5  6  7  8  9
  const std::vector<double> a = {0, 3, 0, 0, 8, 8, 5, 9, 9, 0};
  // Index 1 is a local maximum but below half of the peak height (9 / 2): skipped. Index 4 is a
  // plateau followed by a fall: its first sample.
  EXPECT_EQ(FirstPeak(0, 8, 0.0, a), 4);
  // Measured over a base of 2, index 4 must rise above 2 + (9 - 2) / 2 = 5.5: still does.
  EXPECT_EQ(FirstPeak(0, 8, 2.0, a), 4);
  // Over a base of -10 the bump at 1 stands 13 over the base, above half of 19: it counts.
  EXPECT_EQ(FirstPeak(0, 8, -10.0, a), 1);
  // A plateau that rises again does not count.
  const std::vector<double> b = {0, 6, 6, 7, 0, 0};
  EXPECT_EQ(FirstPeak(0, 4, 0.0, b), 3);
  // A steadily rising range has no local maximum: the maximum of the range.
  const std::vector<double> c = {0, 1, 2, 3, 4, 5};
  EXPECT_EQ(FirstPeak(0, 5, 0.0, c), 5);
  // The last sample of the array has no successor to compare with; nothing is read beyond.
  const std::vector<double> d = {0, 1, 2, 3, 9};
  EXPECT_EQ(FirstPeak(0, 4, 0.0, d), 4);

  EXPECT_EQ(FirstTrough(0, 4, 0.0, std::vector<double>{0, -6, -6, -7, 0, 0}), 3);
}

TEST(LocateFront, ExtrapolatesTheFrontAndRampsTheFoot) {
  const double b = 0.5;
  std::vector<double> x = Flat(1000, b);
  AddPulse(x, 100.5, 300.5, 500, 520, 2.0);  // slope 0.01 per sample, meets the base at 100.5
  const int j0 = 400;
  const FrontResult r = LocateFront(x, b, Polarity::kPositive, j0, 100);
  ASSERT_EQ(r.fault, FrontFault::kNone);
  EXPECT_FALSE(r.unreshaped);
  // The whole sample after the point where the line through the front meets the base.
  EXPECT_EQ(r.window.start, 101);
  EXPECT_EQ(x[101], b);
  // The samples up to the threshold crossing lie on a line of the front's slope.
  for (int k = 103; k <= 134; ++k) EXPECT_NEAR(x[k] - x[k - 1], 0.01, 1e-12) << k;
  // The end: the first sample at or after start + 100 back on the baseline.
  EXPECT_EQ(r.window.end, 520);

  // The reflected wave mirrored: a negative pulse.
  std::vector<double> y = Flat(1000, b);
  AddPulse(y, 100.5, 300.5, 500, 520, -2.0);
  EXPECT_EQ(LocateFront(y, b, Polarity::kNegative, 400, 100).window.start, 101);
  EXPECT_EQ(y[101], b);
}

// Fronts at the channel's edges, flat or backward fronts and no pulse at all: every read stays
// inside the channel, and a wave the front search cannot reshape is left exactly as it was.
TEST(LocateFront, EdgeCasesStayInsideTheChannel) {
  auto wave = [](int n, auto value) {
    std::vector<double> x(n);
    for (int i = 0; i < n; ++i) x[i] = value(i);
    return x;
  };
  struct Case {
    const char* what;
    std::vector<double> x;
    double base;
    int peak, minLength;
    FrontFault fault;
    int startLo, startHi, end;
    bool unreshaped;
  };
  const Case cases[] = {
      // The slope stencil is cut to the samples that exist; the end search starts beyond the
      // channel, so the end is the channel's end, n.
      {"front 3 samples from the start",
       wave(60, [](int i) { return i < 3 ? 0.0 : std::min(1.0, (i - 2) * 0.25); }), 0.0, 20, 100,
       FrontFault::kNone, 0, 4, 60, false},
      // No baseline sample before the peak: the window starts at 0, the wave stays as it is.
      {"above the threshold at sample 0", wave(50, [](int i) { return i < 30 ? 1.0 : 0.0; }), 0.0,
       10, 5, FrontFault::kNone, 0, 0, 30, true},
      // The line meets the base half a sample before the channel: trunc(-0.5) + 1 = 1, the
      // arrival rounded toward zero, not down.
      {"front line meets the base before sample 0",
       wave(400, [](int i) { return 0.01 * (std::min(i, 300) + 0.5); }), 0.0, 350, 100,
       FrontFault::kNone, 1, 1, 400, false},
      {"peak at the last sample", wave(50, [](int i) { return i == 49 ? 1.0 : 0.0; }), 0.0, 49, 100,
       FrontFault::kNone, 0, 49, 50, false},
      // Spikes before the crossing at 50 cancel every central difference around it: slope 0,
      // so the window starts at the crossing.
      {"flat front",
       wave(100, [](int i) { return (i > 50 && i < 90) || i == 42 || i == 44 || i == 47; }), 0.0,
       60, 10, FrontFault::kNone, 51, 51, 90, true},
      {"no pulse, peak on the base", wave(100, [](int i) { return i == 30 ? 0.2 : 0.5; }), 0.5, 10,
       100, FrontFault::kNoPulse, 0, 0, 0, true},
      {"no pulse, peak below the base", wave(100, [](int i) { return i == 30 ? 0.2 : 0.5; }), 0.5,
       30, 100, FrontFault::kNoPulse, 0, 0, 0, true},
      {"no pulse, peak past the channel", wave(100, [](int i) { return i == 30 ? 0.2 : 0.5; }), 0.5,
       100, 100, FrontFault::kNoPulse, 0, 0, 0, true},
  };
  for (const Case& c : cases) {
    std::vector<double> x = c.x;
    const FrontResult r = LocateFront(x, c.base, Polarity::kPositive, c.peak, c.minLength);
    EXPECT_EQ(r.fault, c.fault) << c.what;
    if (c.unreshaped) {
      EXPECT_EQ(x, c.x) << c.what;
    }
    if (c.fault != FrontFault::kNone) continue;
    EXPECT_EQ(r.unreshaped, c.unreshaped) << c.what;
    EXPECT_GE(r.window.start, c.startLo) << c.what;
    EXPECT_LE(r.window.start, c.startHi) << c.what;
    EXPECT_EQ(r.window.end, c.end) << c.what;
  }
  // The reshaped foot of the front that met the base before sample 0.
  std::vector<double> w = cases[2].x;
  LocateFront(w, 0.0, Polarity::kPositive, 350, 100);
  EXPECT_EQ(w[1], 0.0);
  EXPECT_NEAR(w[2], 0.025, 1e-12);
}

TEST(PickWaveFronts, PromptsPicksAndPlacesTheThreeWindows) {
  auto rp = ThreeWaveRecord();
  TestRecord& r = *rp;
  r.doc.m_shownWaves = 3;
  r.ia.pickAnswers = {650, 1650, 1150};
  EXPECT_EQ(PickWaveFronts(r.doc, r.ia), kDone);
  EXPECT_EQ(r.ia.messages, (std::vector<std::string>{"请选择入射波上一点", "请选择反射波上一点",
                                                     "请选择透射波上一点"}));
  EXPECT_EQ(r.doc.m_shownWaves, 3);
  EXPECT_EQ(r.view->m_curveKind, kOriginalWave);
  const std::array<int, 6> expected{301, 800, 1301, 1800, 901, 1350};
  EXPECT_EQ(r.doc.m_windows, expected);
  EXPECT_EQ(r.ws.params.windowIndices, expected);
  // Rearranged: zero outside, baseline off inside.
  EXPECT_EQ(r.doc.m_workInc[250], 0.0);
  EXPECT_NEAR(r.doc.m_workInc[1500], -1.5, 1e-12);
  EXPECT_NEAR(r.doc.m_workTr[1100], 0.5, 1e-12);
  EXPECT_EQ(r.doc.m_workTr[1500], 0.0);
}

TEST(PickWaveFronts, ErasesShortTransmittedSpikesWithinABound) {
  auto rp = ThreeWaveRecord(false);
  TestRecord& r = *rp;
  // A tall spike before the transmitted pulse is found first, taken for a spike and erased.
  for (int i = 600; i < 620; ++i) r.doc.m_workTr[i] = 3.0;
  r.ia.pickAnswers = {650, 1650, 1150};
  EXPECT_EQ(PickWaveFronts(r.doc, r.ia), kDone);
  EXPECT_EQ(r.doc.m_windows[kTrStart], 901);
  EXPECT_EQ(r.doc.m_windows[kTrEnd], 1350);

  // Nothing but spikes: the search gives up after its bound and tells the operator.
  auto sp = ThreeWaveRecord(false);
  TestRecord& s = *sp;
  s.doc.m_workTr.assign(2200, 0.25);
  // The tallest at sample 1: its erasure would start before the channel.
  for (int k = 0; k < 110; ++k) s.doc.m_workTr[1 + 16 * k] = 5.0 - 0.01 * k;
  s.doc.m_windows = {1, 2, 3, 4, 5, 6};
  const auto before = s.doc.m_workTr;
  s.ia.pickAnswers = {650, 1650, 2199};
  EXPECT_EQ(PickWaveFronts(s.doc, s.ia), kRefused);
  ASSERT_EQ(s.ia.messages.size(), 4u);
  EXPECT_NE(s.ia.messages[3].find("100"), std::string::npos);
  EXPECT_EQ(s.doc.m_windows, (std::array<int, 6>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(s.doc.m_workTr, before);
}

TEST(AlignWavePeaks, FindsTheLargestLobesAndTheirFronts) {
  auto rp = ThreeWaveRecord(false);
  TestRecord& r = *rp;
  // A small earlier bump on each channel: the larger lobe wins.
  AddPulse(r.doc.m_workInc, 220.5, 230.5, 240, 250, 0.3);
  AddPulse(r.doc.m_workTr, 300.5, 310.5, 320, 330, 0.3);
  EXPECT_EQ(AlignWavePeaks(r.doc, r.ia), kDone);
  EXPECT_TRUE(r.ia.messages.empty());
  const std::array<int, 6> expected{301, 800, 1301, 1800, 901, 1350};
  EXPECT_EQ(r.doc.m_windows, expected);
  EXPECT_EQ(r.ws.params.windowIndices, expected);
}

TEST(AlignWavePeaks, LobeOpenAtTheEndCountsOnlyOnTheTransmittedChannel) {
  // The incident channel's largest positive lobe runs to the last sample: ignored, the smaller
  // closed one is taken. On the transmitted channel the same lobe counts.
  std::vector<double> inc = Flat(1400, 0.0), tr = Flat(1400, 0.0);
  AddPulse(inc, 200.5, 300.5, 400, 500, 1.0);
  AddPulse(inc, 600.5, 700.5, 800, 900, -1.0);
  AddPulse(inc, 1000.5, 1100.5, 5000, 5000, 3.0);
  AddPulse(tr, 200.5, 300.5, 400, 500, 1.0);
  AddPulse(tr, 1000.5, 1100.5, 5000, 5000, 3.0);
  TestRecord r(inc, tr, false);
  r.doc.m_workInc = inc;
  r.doc.m_workTr = tr;
  EXPECT_EQ(AlignWavePeaks(r.doc, r.ia), kDone);
  EXPECT_EQ(r.doc.m_windows[kIncStart], 201);
  EXPECT_EQ(r.doc.m_windows[kTrStart], 1001);
  EXPECT_EQ(r.doc.m_windows[kTrEnd], 1400);
}

TEST(WaveWindows, CancelledPickOrAChannelWithoutPulseChangesNothing) {
  // A cancelled second pick; then, picked or aligned, a transmitted channel exactly on its
  // baseline, which has no lobe of any area.
  for (const int how : {0, 1, 2}) {
    auto rp = ThreeWaveRecord(how == 0);
    TestRecord& r = *rp;
    if (how > 0) r.doc.m_workTr.assign(2200, 0.25);
    r.doc.m_shownWaves = 2;
    r.doc.m_windows = {1, 2, 3, 4, 5, 6};
    const auto before = r.doc.m_workInc;
    r.ia.pickAnswers = {650, how == 0 ? std::nullopt : std::optional<int>(1650), 1150};
    EXPECT_EQ(how == 2 ? AlignWavePeaks(r.doc, r.ia) : PickWaveFronts(r.doc, r.ia),
              how == 0 ? kCancelled : kRefused)
        << how;
    ASSERT_EQ(r.ia.messages.size(), (std::array<std::size_t, 3>{2, 4, 1}[how])) << how;
    if (how > 0) {
      EXPECT_NE(r.ia.messages.back().find("transmitted"), std::string::npos) << how;
    }
    EXPECT_EQ(r.doc.m_shownWaves, 2) << how;
    EXPECT_EQ(r.doc.m_windows, (std::array<int, 6>{1, 2, 3, 4, 5, 6})) << how;
    EXPECT_EQ(r.doc.m_workInc, before) << how;
  }
  auto qp = ThreeWaveRecord(false);
  qp->doc.m_workInc.assign(2200, 0.5);
  EXPECT_EQ(AlignWavePeaks(qp->doc, qp->ia), kRefused);
  EXPECT_NE(qp->ia.messages.at(0).find("No incident pulse"), std::string::npos);
}

TEST(TypeWaveWindows, TypedBoundsBecomeWindowsAndIndices) {
  auto rp = ThreeWaveRecord(false);
  TestRecord& r = *rp;
  r.ia.sheetAnswers.push_back([](Sheet& s) {
    auto& p = std::get<WavePosPage>(s.pages[0].data);
    p = WavePosPage{800, 300, 1800, 1300, 1350, 900};
    return true;
  });
  EXPECT_EQ(TypeWaveWindows(r.doc, r.ia), kDone);
  const std::array<int, 6> expected{300, 800, 1300, 1800, 900, 1350};
  EXPECT_EQ(r.doc.m_windows, expected);
  EXPECT_EQ(r.ws.params.windowIndices, expected);
  EXPECT_EQ(r.doc.m_workTr[899], 0.0);
  EXPECT_EQ(r.doc.m_workTr[1000], r.doc.m_rawTr[1000] - r.doc.m_trBaseMean);

  r.ia.sheetAnswers.push_back([](Sheet&) { return false; });
  EXPECT_EQ(TypeWaveWindows(r.doc, r.ia), kCancelled);
  EXPECT_EQ(r.doc.m_windows, expected);
}

}  // namespace
}  // namespace velk
