#include "reduction/stress_strain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "reduction/calculate.h"
#include "reduction/wave_windows.h"
#include "synthetic.h"

namespace velk {
namespace {

using testing::Flat;
using testing::TestRecord;

// A record whose working waves already hold windowed strains in microstrain (factors 1): incident
// A from is, reflected -B from rs, transmitted A - B from a little before ts. The bar is the
// program's steel 80 mm bar; the specimen and sampling are the defaults.
struct Equilibrium {
  static constexpr int n = 3000, is = 100, rs = 1100, ts = 2100, N = 500;
  static constexpr double A = 1000.0, B = 600.0;
  TestRecord r{Flat(n, 0.0), Flat(n, 0.0)};

  Equilibrium() {
    for (int i = 0; i < 700; ++i) {
      r.doc.m_workInc[is + i] = A;
      r.doc.m_workInc[rs + i] = -B;
      r.doc.m_workTr[ts - 50 + i] = A - B;
    }
    r.doc.m_windows = {is, is + N, rs, rs + N, ts, ts + N};
    for (auto& c : r.ws.params.channel) c.factor = 1.0;
  }
};

TEST(ComputeStressStrain, EveryModelRecoversTheSameEquilibriumTest) {
  // One-dimensional bar theory for the strains above: force from the transmitted strain A - B,
  // strain rate from the reflected strain B, deformation the rate's running sum.
  const double Cb = 5122.0, Eb = 198646.0, Ab = 5026.54816, dt = 0.2, h = 4.0;
  const double As = 8.0 * 8.0 * 0.78539815;
  const double stress = Eb * Ab * 1e-6 * (Equilibrium::A - Equilibrium::B) / As;
  const double rate = Cb * 2.0 * Equilibrium::B * 1e-3 / h;
  for (int model = 0; model <= 3; ++model) {
    Equilibrium e;
    e.r.doc.m_setup.computeModel = model;
    ASSERT_TRUE(ComputeStressStrain(e.r.doc, e.r.ia)) << model;
    const auto& c = e.r.doc.m_computed;
    EXPECT_EQ(e.r.doc.m_lastResultIndex, Equilibrium::N);
    for (int i : {0, 1, 250, Equilibrium::N}) {
      const double strain = (i + 1) * 2.0 * Equilibrium::B * Cb * dt * 1e-9 / h;
      EXPECT_NEAR(c[kEngStress][i], stress, stress * 1e-12) << model << " " << i;
      EXPECT_NEAR(c[kEngStrain][i], strain, strain * 1e-12) << model << " " << i;
      EXPECT_NEAR(c[kEngStrainRate][i], rate, rate * 1e-12) << model << " " << i;
      EXPECT_NEAR(c[kTrueStress][i], (1 - strain) * stress, stress * 1e-12) << model << " " << i;
      EXPECT_NEAR(c[kTrueStrain][i], -std::log(1 - strain), strain * 1e-9) << model << " " << i;
      EXPECT_NEAR(c[kTrueStrainRate][i], rate / (1 - strain), rate * 1e-12) << model << " " << i;
    }
    EXPECT_EQ(e.r.doc.m_smoothed[kEngStress], c[kEngStress]);
    EXPECT_TRUE(e.r.ws.Has(kResultsComputed));
    EXPECT_TRUE(e.r.doc.m_chooser.resultsEnabled);
  }
}

TEST(ComputeStressStrain, TransitShiftIsFourSamplesForTheDefaults) {
  // 4 mm at 5000 m/s sampled every 0.2 us: 4 samples, so ts' = ts - 4.
  Equilibrium e;
  auto& wt = e.r.doc.m_workTr;
  std::fill(wt.begin(), wt.end(), 0.0);
  wt[Equilibrium::ts + 10] = 100.0;
  std::fill(e.r.doc.m_workInc.begin(), e.r.doc.m_workInc.end(), 0.0);
  ASSERT_TRUE(ComputeStressStrain(e.r.doc, e.r.ia));
  const auto& s = e.r.doc.m_computed[kEngStress];
  EXPECT_GT(s[10], 0.0);
  EXPECT_EQ(s[14], s[10]);  // read through the shifted start ts - 4
  EXPECT_EQ(s[13], 0.0);
  EXPECT_EQ(s[15], 0.0);

  // 4.1 mm: 4.1 samples; ts - 4.1 truncates to ts - 5 (rounding would give ts - 4).
  e.r.ws.params.specimenThicknessMm = 4.1f;
  ASSERT_TRUE(ComputeStressStrain(e.r.doc, e.r.ia));
  EXPECT_EQ(s[15], s[10]);
  EXPECT_EQ(s[14], 0.0);
  e.r.ws.params.specimenThicknessMm = 4.0f;
  ASSERT_TRUE(ComputeStressStrain(e.r.doc, e.r.ia));

  // Without a specimen wave speed in the setup dialog there is no shift: T = WT[ts + i] * Kt.
  const double shifted = s[10];
  e.r.doc.m_setup.specimenWaveSpeedMs = 0.0f;
  ASSERT_TRUE(ComputeStressStrain(e.r.doc, e.r.ia));
  EXPECT_EQ(s[10], 2 * shifted);
  EXPECT_EQ(s[14], 0.0);
}

TEST(ComputeStressStrain, EveryReadStaysInsideTheChannel) {
  {
    // The shifted transmitted start falls before sample 0: those reads are zero, as the
    // rearranged transmitted wave is before its window.
    TestRecord r(Flat(100, 0.0), Flat(100, 0.0));
    r.doc.m_workTr = Ramp(100, 1.0);
    r.doc.m_windows = {0, 50, 0, 50, 2, 50};
    ASSERT_TRUE(ComputeStressStrain(r.doc, r.ia));
    const auto& s = r.doc.m_computed[kEngStress];
    // s[0] and s[1] read WT[2] and WT[3] and nothing through ts' = -2.
    EXPECT_NEAR(s[1] / s[0], 4.0 / 3.0, 1e-12);
    EXPECT_NEAR(s[2] / s[0], (5.0 + 1.0) / 3.0, 1e-12);  // WT[4] + WT[0]
    EXPECT_NEAR(s[4] / s[0], (7.0 + 3.0) / 3.0, 1e-12);  // WT[6] + WT[2]
  }
  // Windows at or past the channel's end: the curves end with the data the model reads.
  struct Case {
    const char* what;
    int n, model;
    std::array<int, 6> windows;
    int last;
  };
  const Case cases[] = {
      {"reflected ends first", 1000, kModelIncidentReflected, {0, 0, 900, 1000, 0, 500}, 99},
      {"incident is to is + N", 1000, kModelIncidentTransmitted, {950, 0, 0, 0, 100, 500}, 49},
      {"point N would read sample n", 1000, kModelIncidentTransmitted, {0, 0, 0, 0, 900, 1000}, 99},
      {"longer than the limit", 5000, kModelIncidentTransmitted, {0, 0, 0, 0, 10, 4000}, 2000},
  };
  for (const Case& c : cases) {
    TestRecord r(Flat(c.n, 0.0), Flat(c.n, 0.0), false);
    r.doc.m_windows = c.windows;
    r.doc.m_setup.computeModel = c.model;
    ASSERT_TRUE(ComputeStressStrain(r.doc, r.ia)) << c.what;
    EXPECT_EQ(r.doc.m_lastResultIndex, c.last) << c.what;
    EXPECT_EQ(r.doc.m_computed[kEngStress].size(), c.last + 1u) << c.what;
    EXPECT_TRUE(r.ia.messages.empty()) << c.what;
  }
}

TEST(ComputeStressStrain, RefusalsTellTheOperatorAndChangeNothing) {
  Equilibrium e;
  CVelkDoc& d = e.r.doc;
  ASSERT_TRUE(ComputeStressStrain(d, e.r.ia));
  const auto before = d.m_computed;
  const int lastBefore = d.m_lastResultIndex;
  auto refused = [&](const char* what) -> std::string {
    EXPECT_FALSE(ComputeStressStrain(d, e.r.ia)) << what;
    EXPECT_EQ(d.m_computed, before) << what;
    EXPECT_EQ(d.m_lastResultIndex, lastBefore) << what;
    return e.r.ia.messages.empty() ? std::string() : e.r.ia.messages.back();
  };

  d.m_setup.computeModel = 5;
  EXPECT_EQ(refused("model"), "Error in choosing compute model.");
  d.m_setup.computeModel = -1;
  EXPECT_EQ(refused("model"), "Error in choosing compute model.");
  d.m_setup.computeModel = 0;

  // Windows outside the channel, a zero thickness or diameter and a missing specimen wave speed
  // are rows of the bad-input catalogue.
  auto& p = e.r.ws.params;
  p.sampleIntervalUs = 0.0;
  EXPECT_NE(refused("dt").find("sample interval"), std::string::npos);
  p.sampleIntervalUs = std::numeric_limits<double>::infinity();  // 1 / a zero sampling frequency
  EXPECT_NE(refused("dt inf").find("sample interval"), std::string::npos);
  p.sampleIntervalUs = 0.2;
  EXPECT_TRUE(ComputeStressStrain(d, e.r.ia));
  EXPECT_EQ(d.m_computed, before);
}

// A sample or parameter that is not a finite number must never reach a result file as "inf" or
// "nan" rows of a computation that reports success.
TEST(ComputeStressStrain, RefusesResultsThatAreNotFiniteAndKeepsEarlierCurves) {
  static constexpr double inf = std::numeric_limits<double>::infinity();
  static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* what;
    void (*spoil)(TestRecord&);
  };
  const Case cases[] = {
      {"infinite incident sample", [](TestRecord& r) { r.doc.m_workInc[150] = inf; }},
      {"NaN transmitted sample", [](TestRecord& r) { r.doc.m_workTr[2200] = nan; }},
      {"NaN reflected sample", [](TestRecord& r) { r.doc.m_workInc[1200] = nan; }},
      {"infinite conversion factor", [](TestRecord& r) { r.ws.params.channel[0].factor = inf; }},
      // Deformation beyond the specimen thickness: true strain -ln(1 - e) with e >= 1.
      {"strain beyond 1",
       [](TestRecord& r) {
         for (int i = 0; i < 700; ++i) r.doc.m_workInc[1100 + i] = -6e6;
       }},
  };
  for (int model = 0; model <= 4; ++model) {
    for (const Case& c : cases) {
      Equilibrium e;
      TestRecord& r = e.r;
      r.doc.m_setup.computeModel = model;
      r.ws.params.matrixWaveSpeedMs = 1500.0f;
      ASSERT_TRUE(ComputeStressStrain(r.doc, r.ia)) << model << " " << c.what;
      const auto before = r.doc.m_computed;
      const int lastBefore = r.doc.m_lastResultIndex;
      c.spoil(r);
      const bool computed = ComputeStressStrain(r.doc, r.ia);
      // A spoiled sample the model does not read leaves a finite result, which is fine.
      bool finite = true;
      for (const auto& curve : r.doc.m_computed) {
        for (double v : curve) finite = finite && std::isfinite(v);
      }
      EXPECT_TRUE(finite) << model << " " << c.what;
      if (!computed) {
        EXPECT_NE(r.ia.messages.back().find("not a finite number"), std::string::npos)
            << r.ia.messages.back();
        EXPECT_EQ(r.doc.m_computed, before) << model << " " << c.what;
        EXPECT_EQ(r.doc.m_lastResultIndex, lastBefore);
      }
    }
  }
  // The plainest case is refused by every model that reads the incident window.
  Equilibrium e;
  e.r.doc.m_setup.computeModel = kModelThreeWave;
  e.r.doc.m_workInc[150] = inf;
  EXPECT_FALSE(ComputeStressStrain(e.r.doc, e.r.ia));
  EXPECT_FALSE(e.r.ws.Has(kResultsComputed));
}

TEST(ComputeStressStrain, LargerWindowGrowsTheCurvesAndRecomputeResetsSmoothing) {
  Equilibrium e;
  CVelkDoc& d = e.r.doc;
  d.m_windows[kTrEnd] = Equilibrium::ts + 50;
  ASSERT_TRUE(ComputeStressStrain(d, e.r.ia));
  e.r.view->SelectCurve(kEngStressCurve, 1, 1);
  const auto* bound = e.r.view->m_unsmoothedY;
  EXPECT_EQ(bound->size(), 51u);

  d.m_windows[kTrEnd] = Equilibrium::ts + 300;
  ASSERT_TRUE(ComputeStressStrain(d, e.r.ia));
  EXPECT_EQ(d.m_lastResultIndex, 300);
  EXPECT_EQ(e.r.view->m_unsmoothedY, bound);
  EXPECT_EQ(bound->size(), 301u);
  EXPECT_EQ(d.m_smoothed[kTrueStrain].size(), 301u);

  const auto first = d.m_computed;
  d.m_smoothed[kEngStress][7] = -1.0;  // as smoothing would have left it
  ASSERT_TRUE(ComputeStressStrain(d, e.r.ia));
  EXPECT_EQ(d.m_computed, first);
  EXPECT_EQ(d.m_smoothed, first);
}

TEST(ComputeStressStrain, FoamCorrectionReplacesTheEngineeringStressOnly) {
  Equilibrium three;
  three.r.doc.m_setup.computeModel = kModelThreeWave;
  ASSERT_TRUE(ComputeStressStrain(three.r.doc, three.r.ia));
  Equilibrium foam;
  foam.r.doc.m_setup.computeModel = kModelThreeWaveFoam;
  foam.r.ws.params.matrixWaveSpeedMs = 2000.0f;
  ASSERT_TRUE(ComputeStressStrain(foam.r.doc, foam.r.ia));
  const auto& f = foam.r.doc.m_computed;
  const auto& t = three.r.doc.m_computed;
  const int N = Equilibrium::N;
  const double Kf = 198646.0 * 5026.54816 * 1e-6, As = 8.0 * 8.0 * 0.78539815;
  // d[0] is 0: half the transmitted force at the shifted start.
  EXPECT_EQ(f[kEngStress][0], (Equilibrium::A - Equilibrium::B + 0.0) * 1.0 * Kf * 0.5 / As);
  for (int i = N - 9; i <= N; ++i) EXPECT_EQ(f[kEngStress][i], t[kEngStress][i]) << i;
  // Inside the window the resampled transmitted wave equals the constant it samples.
  EXPECT_NEAR(f[kEngStress][200], t[kEngStress][200], 1e-9 * t[kEngStress][200]);
  for (int k = kEngStrain; k < kResultCurveCount; ++k) EXPECT_EQ(f[k], t[k]) << k;
}

TEST(ComputeStressStrain, FoamResamplingStaysBoundedForAnyTimeMap) {
  // Windows at the very end of the channel and matrix wave speeds that fold the time map back on
  // itself: the resampling must stop inside its arrays (the sanitizer build checks) and fill
  // every point it reads.
  for (float cm : {0.0f, 2000.0f, -1.0e6f, 1.0e9f}) {
    Equilibrium e;
    e.r.doc.m_setup.computeModel = kModelThreeWaveFoam;
    e.r.ws.params.matrixWaveSpeedMs = cm;
    e.r.doc.m_windows[kTrEnd] = Equilibrium::n - 1;
    e.r.doc.m_windows[kTrStart] = Equilibrium::n - 120;
    if (!ComputeStressStrain(e.r.doc, e.r.ia)) continue;  // refused with a message: fine too
    for (double v : e.r.doc.m_computed[kEngStress]) EXPECT_TRUE(std::isfinite(v)) << cm;
  }
}

TEST(OnCalculate, RebuildsWorkingWavesThenPlacesWindowsAndComputes) {
  auto rp = testing::ThreeWaveRecord();
  TestRecord& r = *rp;
  int notified = 0;
  r.doc.m_observer.chooserChanged = [&] { ++notified; };

  // Closing the method dialog: the working waves hold the raw waves, nothing else happens.
  r.doc.m_workInc.assign(2200, 9.0);
  EXPECT_EQ(OnCalculate(r.doc, r.ia), kCancelled);
  EXPECT_EQ(r.doc.m_workInc, r.doc.m_rawInc);
  EXPECT_FALSE(r.ws.Has(kResultsComputed));
  EXPECT_FALSE(OnRecalculate(r.doc, r.ia));

  r.ia.methodAnswers = {5};
  EXPECT_EQ(OnCalculate(r.doc, r.ia), kDone);
  EXPECT_TRUE(r.doc.m_chooser.resultsEnabled);
  EXPECT_GE(notified, 2);
  EXPECT_EQ(r.view->m_curveKind, kProcessedWave);
  EXPECT_EQ(r.doc.m_lastResultIndex, 1350 - 901);
  // The smoothed waves were refreshed from the raw ones; the spare entry repeats the last sample.
  EXPECT_EQ(r.doc.m_smoothInc[2200], r.doc.m_rawInc[2199]);

  // With the smoothed curves shown, 32807 starts from the smoothed waves.
  r.view->m_showSmoothed = 1;
  r.doc.m_smoothTr.assign(2201, 7.0);
  r.ia.methodAnswers = {2};
  EXPECT_EQ(OnCalculate(r.doc, r.ia), kCancelled);
  EXPECT_EQ(r.doc.m_workTr, Flat(2200, 7.0));
  // So do typed windows, which write the working waves straight from that source; a cancelled
  // sheet still leaves the copy.
  r.doc.m_workTr.assign(2200, 1.0);
  r.ia.methodAnswers = {6};
  r.ia.sheetAnswers.push_back([](Sheet&) { return false; });
  EXPECT_EQ(OnCalculate(r.doc, r.ia), kCancelled);
  EXPECT_EQ(r.doc.m_workTr, Flat(2200, 7.0));
}

}  // namespace
}  // namespace velk
