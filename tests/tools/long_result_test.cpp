// Results as long as the pulse: with no result limit a 20,000-point result goes through the
// smoothing, every curve tool and every result file as a 2,000-point one does.

#include <gtest/gtest.h>

#include <sstream>

#include "../reduction/synthetic.h"
#include "reduction/smoothing.h"
#include "reduction/stress_strain.h"
#include "tools/curve_tools.h"
#include "tools/result_file.h"

namespace velk {
namespace {

constexpr int kLast = 20000;

std::unique_ptr<testing::TestRecord> LongRecord(int limit) {
  std::vector<double> inc = testing::Flat(25000, 0.0), tr = testing::Flat(25000, 0.0);
  testing::AddPulse(inc, 0, 50, 24000, 24100, 2.0);
  testing::AddPulse(tr, 100, 150, 24000, 24100, 1.99);
  auto r = std::make_unique<testing::TestRecord>(inc, tr);
  r->ws.resultLimit = limit;
  r->doc.m_resultLimit = limit;
  r->doc.m_workInc = r->doc.m_rawInc;
  r->doc.m_workTr = r->doc.m_rawTr;
  r->doc.m_windows = {0, 0, 0, 0, 100, 100 + kLast};
  r->doc.m_setup.specimenWaveSpeedMs = 0.0f;
  r->doc.m_setup.computeModel = kModelIncidentTransmitted;
  return r;
}

std::size_t Rows(const std::string& text) {
  std::size_t n = 0;
  for (char c : text) n += c == '\n' ? 1 : 0;
  return n;
}

TEST(LongResult, NoLimitFollowsTheWindowThroughEveryToolAndResultFile) {
  auto limited = LongRecord(2000);
  ASSERT_TRUE(ComputeStressStrain(limited->doc, limited->ia));
  EXPECT_EQ(limited->doc.m_lastResultIndex, 2000);

  auto r = LongRecord(0);
  CVelkDoc& doc = r->doc;
  ASSERT_TRUE(ComputeStressStrain(doc, r->ia));
  ASSERT_EQ(doc.m_lastResultIndex, kLast);
  // The first 2001 points are the limited result's, bit for bit.
  for (int c = 0; c < kResultCurveCount; ++c) {
    ASSERT_EQ(doc.m_computed[c].size(), kLast + 1u);
    EXPECT_TRUE(std::equal(limited->doc.m_computed[c].begin(), limited->doc.m_computed[c].end(),
                           doc.m_computed[c].begin()));
  }
  for (int kind : {2, 3, 4}) {
    const std::string rows = FormatResultRows(doc, kind);
    EXPECT_EQ(Rows(rows), kLast + 1u) << kind;
  }

  // Smoothing the result curves reaches the last point.
  r->view->SelectCurve(kEngStressStrain, 1, 0);
  const double before = doc.m_smoothed[kEngStress][kLast - 1];
  doc.m_smoothed[kEngStress][kLast - 1] += 1000.0;
  ASSERT_TRUE(ApplySmoothing(doc, 5, kLast, r->ia));
  EXPECT_NE(doc.m_smoothed[kEngStress][kLast - 1], before + 1000.0);

  // Average strain rate at a point beyond 2000.
  r->ia.pickAnswers = {15000};
  OnAverageStrainRate(doc, r->ia);
  EXPECT_NE(r->ia.coordinateText.find("试验平均应变率"), std::string::npos);

  // Straightening about a centre beyond 2000: a line through point 10000 at zero stress.
  for (int i = 0; i <= kLast; ++i) {
    doc.m_computed[kEngStrain][i] = i / 1e5;
    doc.m_computed[kEngStress][i] = 10.0 * (i - 10000);
  }
  r->ia.pickAnswers = {15000};
  OnStraightenCurve(doc, r->ia);
  EXPECT_EQ(doc.m_lastResultIndex, kLast - 10000);
  EXPECT_NEAR(doc.m_computed[kEngStress][5000], 50000.0, 1e-6);

  // Cutting at a point beyond 2000 of what is left.
  r->ia.pickAnswers = {8000};
  OnCutCurve(doc, r->ia);
  EXPECT_EQ(doc.m_lastResultIndex, 8000);
  EXPECT_EQ(Rows(FormatResultRows(doc, 2)), 8001u);
}

}  // namespace
}  // namespace velk
