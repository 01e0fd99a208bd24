#include "analysis/result_uncertainty.h"

#include <gtest/gtest.h>

#include "../reduction/synthetic.h"
#include "reduction/stress_strain.h"

namespace velk {
namespace {

using testing::Flat;
using testing::TestRecord;

// A plateau test computed by the reflected-transmitted model, as in the engine's tests, but small.
struct Computed {
  static constexpr int n = 900, is = 50, rs = 350, ts = 650, N = 150;
  TestRecord r{Flat(n, 0.0), Flat(n, 0.0)};
  UncertaintyOptions fast;

  Computed() {
    for (int i = 0; i < 200; ++i) {
      r.doc.m_workInc[is + i] = 1000.0;
      r.doc.m_workInc[rs + i] = -600.0;
      r.doc.m_workTr[ts - 20 + i] = 400.0;
    }
    r.doc.m_windows = {is, is + N, rs, rs + N, ts, ts + N};
    for (auto& c : r.ws.params.channel) c.factor = 1.0;
    r.doc.m_setup.computeModel = kModelReflectedTransmitted;
    EXPECT_TRUE(ComputeStressStrain(r.doc, r.ia));
    fast.draws = 200;
  }
  bool Run(UncertaintyInputs in = {}) { return ComputeResultUncertainty(r.doc, in, r.ia, fast); }
};

TEST(ResultUncertainty, BandBelongsToTheResultsItWasComputedFor) {
  Computed c;
  ASSERT_TRUE(c.Run()) << (c.r.ia.messages.empty() ? "" : c.r.ia.messages.back());
  const ResultUncertainty* u = CurrentUncertainty(c.r.doc);
  ASSERT_NE(u, nullptr);
  const CurveBand& b = u->result.bands[kEngStress];
  const auto& stress = c.r.doc.m_computed[kEngStress];
  ASSERT_EQ(b.lower.size(), stress.size());
  EXPECT_LT(b.lower[75], stress[75]);
  EXPECT_GT(b.upper[75], stress[75]);
  EXPECT_EQ(c.r.ia.progress.back(), 1.0);

  // The same computation again gives the same curves: the band still belongs to them.
  ASSERT_TRUE(ComputeStressStrain(c.r.doc, c.r.ia));
  EXPECT_EQ(CurrentUncertainty(c.r.doc), u);

  // Every change of the results leaves the record without a band.
  auto dropped = [&](const char* what, auto&& change) {
    ASSERT_TRUE(ComputeStressStrain(c.r.doc, c.r.ia));
    ASSERT_TRUE(c.Run()) << what;
    change();
    EXPECT_EQ(CurrentUncertainty(c.r.doc), nullptr) << what;
    EXPECT_EQ(c.r.doc.m_uncertainty, nullptr) << what;
  };
  dropped("cut", [&] { c.r.doc.m_lastResultIndex -= 10; });
  dropped("smoothed results", [&] { c.r.doc.m_smoothed[kEngStress][20] += 1.0; });
  dropped("straightened", [&] { c.r.doc.m_computed[kEngStrain][5] += 1e-9; });
  dropped("computed with another specimen", [&] {
    c.r.ws.params.specimenThicknessMm += 1.0f;
    ASSERT_TRUE(ComputeStressStrain(c.r.doc, c.r.ia));
  });
}

TEST(ResultUncertainty, RefusesResultsThePresentParametersDoNotGive) {
  Computed c;
  c.r.ia.cancelProgressAt = 0.5;
  EXPECT_FALSE(c.Run());
  EXPECT_TRUE(c.r.ia.messages.empty());  // a cancel is not a fault
  EXPECT_EQ(CurrentUncertainty(c.r.doc), nullptr);
  c.r.ia.cancelProgressAt = 2.0;

  // Windows moved after the computation: a band would describe other curves than the shown ones.
  c.r.doc.m_windows[kTrStart] += 3;
  EXPECT_FALSE(c.Run());
  ASSERT_EQ(c.r.ia.messages.size(), 1u);
  EXPECT_NE(c.r.ia.messages[0].find("重新计算"), std::string::npos);
  EXPECT_EQ(CurrentUncertainty(c.r.doc), nullptr);

  TestRecord none{Flat(100, 0.0), Flat(100, 0.0)};
  EXPECT_FALSE(ComputeResultUncertainty(none.doc, {}, none.ia));
  EXPECT_EQ(none.ia.messages.size(), 1u);
}

TEST(ResultUncertainty, ScriptedDialogRunsAndKeepsTheInputs) {
  Computed c;
  c.fast.draws = 2000;
  UncertaintyInputs remembered;
  remembered.barModulusPercent = 5.0;
  const ResultUncertainty* seen = nullptr;
  c.r.ia.uncertaintyAnswers.push_back([&](UncertaintySheet& s) {
    EXPECT_EQ(s.inputs.barModulusPercent, 5.0);
    EXPECT_EQ(s.shown, nullptr);
    s.inputs.specimenThicknessMm = 0.0;
    EXPECT_TRUE(s.run(s));
    seen = s.shown;
    return true;
  });
  OnUncertainty(c.r.doc, c.r.ia, remembered);
  EXPECT_EQ(remembered.specimenThicknessMm, 0.0);
  ASSERT_NE(seen, nullptr);
  EXPECT_EQ(seen, CurrentUncertainty(c.r.doc));
  EXPECT_EQ(seen->inputs.barModulusPercent, 5.0);
  EXPECT_EQ(seen->options.draws, 2000);
  // 5 % on the modulus outweighs 1 % factors and the 2 % area ratio in the peak stress.
  EXPECT_EQ(DominantInput(seen->result.scalars[0]), kInBarModulus);

  // Without results the dialog is not offered.
  TestRecord none{Flat(100, 0.0), Flat(100, 0.0)};
  OnUncertainty(none.doc, none.ia, remembered);
  EXPECT_TRUE(none.ia.prompts.empty());
  EXPECT_EQ(none.ia.messages.size(), 1u);
}

}  // namespace
}  // namespace velk
