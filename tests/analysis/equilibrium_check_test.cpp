// The force balance on tests with a known answer: the bundled sample, written by velk-simulate
// with a specimen that stays in equilibrium, and the same test read with the transmitted gauge
// factor 10 % too high.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "analysis/summary.h"
#include "record/param_file.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "reduction/calculate.h"

namespace velk {
namespace {

using Truth = std::vector<std::pair<double, double>>;  // (strain, stress) per sample interval

const std::string kDir = std::string(VELK_SOURCE_DIR) + "/samples/tek/";

struct Reduced {
  Workspace ws;
  CVelkDoc doc{ws};
  ScriptedInteraction ia;
};

// Three-wave model on the windows the parameter file proposes; the transmitted conversion factor
// multiplied by trScale.
void Reduce(Reduced& r, double trScale) {
  TektronixReader reader(WaveOpenInputs{kDir + "T1_inc.txt", kDir + "T1_tr.txt", 0, 0});
  ASSERT_EQ(reader.Read(r.doc, r.ia), kReadOk);
  ASSERT_TRUE(LoadParameterFile(kDir + "T1.PAT", r.ws.params));
  r.doc.LoadParametersIntoSetup();
  r.doc.m_setup.computeModel = kModelThreeWave;
  r.ws.params.channel[kTransmitted].factor *= trScale;
  r.ia.methodAnswers = {6};
  r.ia.sheetAnswers.push_back([](Sheet&) { return true; });
  ASSERT_EQ(OnCalculate(r.doc, r.ia), kDone);
}

// Index where the back force first reaches half its peak: the end of the first rise.
int AfterRise(const ForceBalance& b) {
  double peak = 0;
  for (double f : b.backKn) peak = std::max(peak, f);
  int i = 0;
  while (i < static_cast<int>(b.backKn.size()) && b.backKn[i] < 0.5 * peak) ++i;
  return i;
}

// Last index of the loading: the peak stress.
int LoadingEnd(const CVelkDoc& doc) { return PeakIndex(CurvesOf(doc).stress); }

// Mean strain rate of the truth between two strains; the truth has one point per sample.
double TruthRate(const Truth& t, double e0, double e1, double dtUs) {
  auto at = [&](double e) {
    for (std::size_t i = 1; i < t.size(); ++i) {
      if (t[i].first >= e) return i - 1 + (e - t[i - 1].first) / (t[i].first - t[i - 1].first);
    }
    return static_cast<double>(t.size() - 1);
  };
  return (e1 - e0) / ((at(e1) - at(e0)) * dtUs * 1e-6);
}

TEST(EquilibriumCheck, SimulatedTestInEquilibrium) {
  Truth truth;
  std::ifstream in(kDir + "T1_truth.txt");
  for (double e, s; in >> e >> s;) truth.emplace_back(e, s);
  if (truth.size() < 10) GTEST_SKIP() << "bundled sample not available";
  Reduced r;
  Reduce(r, 1.0);
  const ForceBalance b = ComputeForceBalance(r.doc);
  ASSERT_EQ(b.timeUs.size(), static_cast<std::size_t>(r.doc.m_lastResultIndex) + 1);
  const int rise = AfterRise(b), to = LoadingEnd(r.doc);
  ASSERT_GT(to - rise, 100);
  // The specimen yields at the end of the first rise; the front force overshoots while the
  // reflected wave builds up and settles within a few microseconds. From then on to the peak
  // stress the two faces agree.
  const Summary s = Summarise(CurvesOf(r.doc), b);
  ASSERT_TRUE(s.equilibrium);
  EXPECT_LT(s.equilibrium->timeUs - b.timeUs[rise], 10.0);
  const int settled = static_cast<int>(std::lround(s.equilibrium->timeUs / b.timeUs[1]));
  EXPECT_LT(settled, to / 10);
  for (int i = settled; i <= to; ++i) EXPECT_LT(std::abs(b.ratio[i]), 0.05) << i;
  ASSERT_TRUE(s.plateau);
  const double truthRate =
      TruthRate(truth, s.plateau->startStrain, s.plateau->endStrain, r.ws.params.sampleIntervalUs);
  EXPECT_NEAR(s.plateau->mean / truthRate, 1.0, 0.02);
  EXPECT_GT(s.plateau->endStrain - s.plateau->startStrain, 0.3 * s.maxStrain);
  ASSERT_TRUE(s.yield);
  // Yield 400 MPa raised by the rate term: within a few per cent.
  EXPECT_NEAR(s.yield->stressMpa / 400.0, 1.05, 0.05);
}

TEST(EquilibriumCheck, TransmittedGaugeFactorTenPercentOff) {
  if (!std::ifstream(kDir + "T1_truth.txt")) GTEST_SKIP() << "bundled sample not available";
  // A gauge factor 10 % too high makes the conversion factor 1 / 1.1 of the true one.
  Reduced r;
  Reduce(r, 1.0 / 1.1);
  const ForceBalance b = ComputeForceBalance(r.doc);
  const int to = LoadingEnd(r.doc);
  ASSERT_GT(to, 100);
  // F2 = F1 / 1.1 gives R = 2 (1 - 1/1.1) / (1 + 1/1.1) = 0.0952 once the first rise settled.
  // The last points before the peak stress already belong to the unloading front.
  for (int i = to / 10; i <= to - to / 20; ++i) EXPECT_NEAR(b.ratio[i], 0.0952, 0.02) << i;
  EXPECT_FALSE(Summarise(CurvesOf(r.doc), b).equilibrium) << "the check catches it";
}

}  // namespace
}  // namespace velk
