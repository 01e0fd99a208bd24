// A sample or parameter that is not a finite number must never reach a result file as "inf" or
// "nan" rows of a computation that reports success.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "reduction/stress_strain.h"
#include "synthetic.h"

namespace velk {
namespace {

using testing::Flat;
using testing::TestRecord;

// Windowed strains of a plain equilibrium test, as the computation reads them.
void FillWindows(TestRecord& r) {
  for (int i = 0; i < 300; ++i) {
    r.doc.m_workInc[100 + i] = 1000.0;
    r.doc.m_workInc[600 + i] = -600.0;
    r.doc.m_workTr[1050 + i] = 400.0;
  }
  r.doc.m_windows = {100, 300, 600, 800, 1100, 1300};
  for (auto& c : r.ws.params.channel) c.factor = 1.0;
}

TEST(ComputeStressStrain, RefusesResultsThatAreNotFiniteAndKeepsEarlierCurves) {
  static constexpr double inf = std::numeric_limits<double>::infinity();
  static constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* what;
    void (*spoil)(TestRecord&);
  };
  const Case cases[] = {
      {"infinite incident sample", [](TestRecord& r) { r.doc.m_workInc[150] = inf; }},
      {"NaN transmitted sample", [](TestRecord& r) { r.doc.m_workTr[1200] = nan; }},
      {"NaN reflected sample", [](TestRecord& r) { r.doc.m_workInc[700] = nan; }},
      {"infinite conversion factor", [](TestRecord& r) { r.ws.params.channel[0].factor = inf; }},
      // Deformation beyond the specimen thickness: true strain -ln(1 - e) with e >= 1.
      {"strain beyond 1",
       [](TestRecord& r) {
         for (int i = 0; i < 300; ++i) r.doc.m_workInc[600 + i] = -6e6;
       }},
  };
  for (int model = 0; model <= 4; ++model) {
    for (const Case& c : cases) {
      TestRecord r{Flat(2000, 0.0), Flat(2000, 0.0)};
      FillWindows(r);
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
  TestRecord r{Flat(2000, 0.0), Flat(2000, 0.0)};
  FillWindows(r);
  r.doc.m_setup.computeModel = kModelThreeWave;
  r.doc.m_workInc[150] = inf;
  EXPECT_FALSE(ComputeStressStrain(r.doc, r.ia));
  EXPECT_FALSE(r.ws.Has(kResultsComputed));
}

}  // namespace
}  // namespace velk
