#include "record/velk_doc.h"

#include <gtest/gtest.h>

#include "record/peak_search.h"

namespace velk {
namespace {

TEST(TestRecord, ConstructorResetsSomeParametersAndKeepsTheBar) {
  Workspace ws;
  ws.params.barDiameterIndex = 2;
  ws.params.strikerVelocityMs = 12.0f;
  ws.params.matrixWaveSpeedMs = 300.0f;
  ws.params.samplingMhz = 10.0f;
  ws.params.channel[kTransmitted].factor = 2.0;
  CVelkDoc doc(ws);

  // Reset by every new record: the sampling and the bridge chains.
  EXPECT_DOUBLE_EQ(ws.params.sampleIntervalUs, 0.2);
  EXPECT_DOUBLE_EQ(ws.params.channel[kTransmitted].factor, 4000000.0 / (500.0 * 8.0 * 2.1 * 1.0));
  // Kept from the test before: the bar, the striker and the matrix wave speed.
  EXPECT_EQ(ws.params.barDiameterIndex, 2);
  EXPECT_FLOAT_EQ(ws.params.strikerVelocityMs, 12.0f);
  EXPECT_FLOAT_EQ(ws.params.matrixWaveSpeedMs, 300.0f);

  // The setup dialog starts at its own defaults, not at the kept values.
  EXPECT_FLOAT_EQ(doc.m_setup.strikerVelocityMs, 3.0f);
  EXPECT_FLOAT_EQ(doc.m_setup.matrixWaveSpeedMs, 0.0f);
}

TEST(TestRecord, BaselineMeansStayInsideTheWaves) {
  Workspace ws;
  CVelkDoc doc(ws);
  std::vector<double> inc(500, 100.0), tr(500, -100.0);
  inc[7] = 1100.0;
  doc.InstallWaves(inc, tr);
  EXPECT_EQ(doc.m_pointCount, 500);
  EXPECT_EQ(doc.m_smoothInc.size(), 501u);
  EXPECT_EQ(doc.m_workTr.size(), 500u);
  EXPECT_DOUBLE_EQ(doc.m_incBaseMean, (199 * 100.0 + 1100.0) / 200.0);
  EXPECT_DOUBLE_EQ(doc.m_trBaseMean, -100.0);

  doc.m_incBaseStart = doc.m_incBaseEnd = 7;  // a single sample is its own mean
  doc.ComputeBaselineMeans();
  EXPECT_DOUBLE_EQ(doc.m_incBaseMean, 1100.0);

  // A range past the end is pulled back onto the wave rather than read beyond it.
  doc.m_trBaseStart = 450;
  doc.m_trBaseEnd = 5000;
  doc.ComputeBaselineMeans();
  EXPECT_EQ(doc.m_trBaseEnd, 499);
  EXPECT_DOUBLE_EQ(doc.m_trBaseMean, -100.0);

  // A reversed range has no samples: its mean is defined as 0.
  doc.m_incBaseStart = 300;
  doc.m_incBaseEnd = 200;
  doc.ComputeBaselineMeans();
  EXPECT_DOUBLE_EQ(doc.m_incBaseMean, 0.0);

  // A short test: the default range 0-199 is clamped to the 50 samples there are.
  CVelkDoc shortDoc(ws);
  shortDoc.InstallWaves(std::vector<double>(50, 3.0), std::vector<double>(50, 4.0));
  EXPECT_EQ(shortDoc.m_incBaseEnd, 49);
  EXPECT_DOUBLE_EQ(shortDoc.m_incBaseMean, 3.0);
  EXPECT_DOUBLE_EQ(shortDoc.m_trBaseMean, 4.0);
}

TEST(TestRecord, BarPropertiesFollowTheSetupListsAndIgnoreUnknownRows) {
  Workspace ws;
  CVelkDoc doc(ws);
  doc.m_setup.barDiameterIndex = 2;
  doc.SetBarProperties();
  EXPECT_DOUBLE_EQ(ws.params.barAreaMm2, 201.0619264);
  doc.m_setup.barDiameterIndex = 7;
  doc.SetBarProperties();
  EXPECT_FLOAT_EQ(ws.params.barWaveSpeedMs, 5122.0f);
  EXPECT_FLOAT_EQ(ws.params.barModulusMpa, 198646.0f);
  EXPECT_DOUBLE_EQ(ws.params.barAreaMm2, 201.0619264);
  EXPECT_EQ(ws.params.barDiameterIndex, 7);
}

TEST(PeakSearch, KeepsTheEarliestOfEqualExtremesAndStaysInTheArray) {
  const std::vector<double> a = {1, 3, 3, 2};
  EXPECT_EQ(IndexOfMax(0, 3, a), 1);
  const std::vector<double> b = {2, 0, 0};
  EXPECT_EQ(IndexOfMin(0, 2, b), 1);
  EXPECT_EQ(IndexOfMax(2, 1, a), 2);   // last < first + 1 gives first
  EXPECT_EQ(IndexOfMax(1, 99, a), 1);  // the end is clamped to the array
  EXPECT_EQ(IndexOfMin(0, 99, a), 0);
  EXPECT_EQ(IndexOfMax(9, 12, a), 9);  // a start outside the array reads nothing
  EXPECT_EQ(IndexOfMax(0, 5, std::vector<double>{}), 0);
}

}  // namespace
}  // namespace velk
