// The window methods and the compute models on real recordings (see tests/data/realdata/README.md):
// 8-bit quantisation, noise and pulses of thousands of samples.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "record/reader.h"
#include "reduction/calculate.h"
#include "reduction/stress_strain.h"
#include "reduction/wave_windows.h"
#include "synthetic.h"

namespace velk {
namespace {

const char* const kRealData = VELK_TEST_DATA "/realdata/";

struct Case {
  const char* name;
  int incStart, refStart, trStart;  // approximate pulse starts from the README
  int incBaseEnd, trBaseEnd;        // quiet baselines
  float samplingMhz;
};

std::unique_ptr<testing::TestRecord> Load(const Case& c) {
  auto r =
      std::make_unique<testing::TestRecord>(std::vector<double>{}, std::vector<double>{}, false);
  const std::string base = std::string(kRealData) + c.name;
  TektronixReader reader(WaveOpenInputs{base + "_inc.txt", base + "_tr.txt", 0, 0});
  if (reader.Read(r->doc, r->ia) != kReadOk) return nullptr;
  r->view = std::make_unique<ViewModel>(r->doc);
  r->doc.m_view = r->view.get();
  r->view->InitialUpdate();
  r->view->SelectCurve(kOriginalWave, 1, 0);
  r->doc.m_incBaseEnd = c.incBaseEnd;
  r->doc.m_trBaseEnd = c.trBaseEnd;
  r->doc.ComputeBaselineMeans();
  r->ws.params.samplingMhz = c.samplingMhz;
  r->ws.params.sampleIntervalUs = 1.0 / c.samplingMhz;
  r->doc.m_setup.samplingMhz = c.samplingMhz;
  // Pulses of several thousand samples: let the result curves run long enough to see them.
  r->doc.m_resultLimit = 20000;
  return r;
}

const Case kCases[] = {
    {"epoxy01", 2412, 7328, 6919, 499, 2999, 12.5f},
    {"steel945s02", 2467, 14782, 13035, 1199, 9999, 31.25f},
    {"cu273K", 492, 2045, 2063, 399, 399, 10.0f},
};

TEST(RealRecordings, AutomaticWindowsSitOnThePulsesAndEveryModelComputes) {
  for (const Case& c : kCases) {
    auto r = Load(c);
    if (!r) GTEST_SKIP() << "real recordings not available";
    r->ia.methodAnswers = {5};
    r->doc.m_setup.computeModel = kModelThreeWave;
    EXPECT_EQ(OnCalculate(r->doc, r->ia), kDone) << c.name;
    const auto& w = r->doc.m_windows;
    // The fronts lie at the README's pulse starts, within the rise of a real pulse.
    const int tolerance = 100;
    EXPECT_NEAR(w[kIncStart], c.incStart, tolerance) << c.name;
    EXPECT_NEAR(w[kRefStart], c.refStart, tolerance) << c.name;
    EXPECT_NEAR(w[kTrStart], c.trStart, tolerance) << c.name;
    EXPECT_GT(w[kIncEnd], w[kIncStart] + 100) << c.name;
    EXPECT_LE(w[kTrEnd], r->doc.pointCount()) << c.name;
    EXPECT_TRUE(r->ia.messages.empty()) << c.name << ": " << r->ia.messages.at(0);
    std::printf("%s: windows %d-%d %d-%d %d-%d, %d result points\n", c.name, w[0], w[1], w[2], w[3],
                w[4], w[5], r->doc.m_lastResultIndex + 1);

    // Every model gives finite results, and in the middle of the pulse the specimen is
    // compressed and loaded.
    for (int model = 0; model <= 4; ++model) {
      r->doc.m_setup.computeModel = model;
      ASSERT_TRUE(OnRecalculate(r->doc, r->ia)) << c.name << " model " << model;
      const int last = r->doc.m_lastResultIndex;
      ASSERT_GT(last, 100) << c.name;
      for (int k = 0; k < kResultCurveCount; ++k) {
        for (int i = 0; i <= last; ++i) {
          ASSERT_TRUE(std::isfinite(r->doc.m_computed[k][i])) << c.name << " " << model << " " << k;
        }
      }
      EXPECT_GT(r->doc.m_computed[kEngStrain][last / 2], 0.0) << c.name << " model " << model;
      EXPECT_GT(r->doc.m_computed[kEngStress][last / 4], 0.0) << c.name << " model " << model;
    }
  }
}

TEST(RealRecordings, PickedPointsInsideThePulsesGiveTheSameFronts) {
  // Picks in the middle of each pulse, after its peak region has begun.
  const int picks[3][3] = {{4000, 9000, 9000}, {4000, 16200, 15000}, {820, 2330, 2450}};
  for (int k = 0; k < 3; ++k) {
    const Case& c = kCases[k];
    auto r = Load(c);
    if (!r) GTEST_SKIP() << "real recordings not available";
    r->ia.methodAnswers = {4};
    r->ia.pickAnswers = {picks[k][0], picks[k][1], picks[k][2]};
    EXPECT_EQ(OnCalculate(r->doc, r->ia), kDone) << c.name;
    const auto& w = r->doc.m_windows;
    EXPECT_NEAR(w[kIncStart], c.incStart, 100) << c.name;
    EXPECT_NEAR(w[kRefStart], c.refStart, 100) << c.name;
    // Method 1 takes the largest peak up to the pick, so on the epoxy's slowly rising transmitted
    // pulse its threshold sits higher and the straight front reaches back further.
    EXPECT_NEAR(w[kTrStart], c.trStart, 150) << c.name;
    EXPECT_GE(w[kTrEnd] - w[kTrStart], 80) << c.name;
  }
}

}  // namespace
}  // namespace velk
