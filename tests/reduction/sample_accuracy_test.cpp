// The bundled simulated test reduced end to end: its true specimen curve is known, so every window
// method and compute model must give it back.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "record/param_file.h"
#include "record/reader.h"
#include "reduction/calculate.h"
#include "synthetic.h"

namespace velk {
namespace {

using Curve = std::vector<std::pair<double, double>>;  // (strain, stress), strain rising

double StressAt(const Curve& c, double strain) {
  for (std::size_t i = 1; i < c.size(); ++i) {
    if (c[i].first >= strain) {
      const auto [e0, s0] = c[i - 1];
      const auto [e1, s1] = c[i];
      return s0 + (s1 - s0) * (strain - e0) / (e1 - e0);
    }
  }
  return c.back().second;
}

TEST(SampleAccuracy, EveryMethodAndModelRecoversTheSimulatedFlowStress) {
  const std::string dir = std::string(VELK_SOURCE_DIR) + "/samples/tek/";
  Curve truth;
  std::ifstream in(dir + "T1_truth.txt");
  for (double e, s; in >> e >> s;) truth.emplace_back(e, s);
  if (truth.size() < 10) GTEST_SKIP() << "bundled sample not available";

  // Method 2 finds the windows itself; method 3 takes the windows the parameter file proposes.
  for (int method : {5, 6}) {
    for (int model = 0; model <= 4; ++model) {
      testing::TestRecord r({}, {}, false);
      TektronixReader reader(WaveOpenInputs{dir + "T1_inc.txt", dir + "T1_tr.txt", 0, 0});
      ASSERT_EQ(reader.Read(r.doc, r.ia), kReadOk);
      ASSERT_TRUE(LoadParameterFile(dir + "T1.PAT", r.ws.params));
      r.doc.LoadParametersIntoSetup();
      r.doc.m_setup.computeModel = model;
      r.ia.methodAnswers = {method};
      r.ia.sheetAnswers.push_back([](Sheet&) { return true; });
      ASSERT_EQ(OnCalculate(r.doc, r.ia), kDone) << method << " " << model;

      // The loading branch, over the plastic part of the truth.
      const auto& e = r.doc.m_computed[kEngStrain];
      const auto& s = r.doc.m_computed[kEngStress];
      int peak = 0;
      for (int i = 0; i <= r.doc.m_lastResultIndex; ++i) peak = e[i] > e[peak] ? i : peak;
      int compared = 0;
      double worst = 0.0;
      for (int i = 0; i <= peak; ++i) {
        if (e[i] < 0.01 || e[i] > 0.95 * truth.back().first) continue;
        const double t = StressAt(truth, e[i]);
        worst = std::max(worst, std::fabs(s[i] - t) / t);
        ++compared;
      }
      EXPECT_GT(compared, 100) << method << " " << model;
      EXPECT_LT(worst, 0.02) << "method " << method - 3 << " model " << model;
    }
  }
}

}  // namespace
}  // namespace velk
