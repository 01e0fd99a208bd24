#include "analysis/uncertainty.h"

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "../reduction/synthetic.h"
#include "analysis/uncertainty_record.h"
#include "reduction/stress_strain.h"

namespace velk {
namespace {

using testing::Flat;
using testing::TestRecord;

// Windowed strains in the working waves, as a window method leaves them: incident A from is,
// reflected -B from rs, transmitted A - B from before ts; the program's steel 80 mm bar, an
// 8 mm x 4 mm specimen, factors 1; stress from the transmitted wave (model 2). Computed once, as
// the operator would have.
struct Plateau {
  static constexpr int n = 3000, is = 100, rs = 1100, ts = 2100, N = 500;
  static constexpr double A = 1000.0, B = 600.0;
  TestRecord r{Flat(n, 0.0), Flat(n, 0.0), false};

  Plateau() {
    for (int i = 0; i < 700; ++i) {
      r.doc.m_workInc[is + i] = A;
      r.doc.m_workInc[rs + i] = -B;
      r.doc.m_workTr[ts - 50 + i] = A - B;
    }
    r.doc.m_windows = {is, is + N, rs, rs + N, ts, ts + N};
    for (auto& c : r.ws.params.channel) c.factor = 1.0;
    r.doc.m_setup.computeModel = kModelReflectedTransmitted;
    EXPECT_TRUE(ComputeStressStrain(r.doc, r.ia));
  }
  UncertaintyResult Run(const UncertaintyInputs& in, UncertaintyOptions o = {}) {
    return RunUncertainty(in, RecordUncertaintyModel(r.doc), o);
  }
};

TEST(Uncertainty, TransmittedStressBandMatchesTheHandValue) {
  Plateau p;
  const TestParameters before = p.r.ws.params;
  const auto computedBefore = p.r.doc.m_computed;
  const UncertaintyInputs in;
  const UncertaintyResult u = p.Run(in);
  ASSERT_TRUE(u.ok) << u.failureText;
  EXPECT_EQ(u.drawsUsed, 2000);

  // The unperturbed run is the program's own result, and the record is left as it was.
  EXPECT_EQ(u.nominal.curves, computedBefore);
  EXPECT_EQ(p.r.doc.m_computed, computedBefore);
  EXPECT_EQ(p.r.ws.params.barModulusMpa, before.barModulusMpa);
  EXPECT_EQ(p.r.ws.params.channel[kTransmitted].factor, before.channel[kTransmitted].factor);
  EXPECT_EQ(p.r.doc.m_windows[kTrStart], Plateau::ts);

  // stress = E (Ab / As) K e_t: relative uncertainties of E, of the two areas (twice the
  // diameters') and of the factor (gauge factor and bridge factor) add in quadrature.
  const double rel = std::sqrt(0.02 * 0.02 + 0.0005 * 0.0005 + 0.005 * 0.005 + 2 * 0.01 * 0.01);
  const double stress = u.nominal.curves[kEngStress][250];
  const CurveBand& band = u.bands[kEngStress];
  ASSERT_EQ(band.lower.size(), u.nominal.curves[kEngStress].size());
  EXPECT_NEAR((band.upper[250] - band.lower[250]) / 2, 1.959964 * rel * stress,
              0.05 * 1.959964 * rel * stress);
  EXPECT_LT(band.lower[250], stress);
  EXPECT_GT(band.upper[250], stress);
  const ScalarUncertainty& peak = u.scalars[0];
  EXPECT_NEAR(peak.standardUnc, rel * stress, 0.05 * rel * stress);
  EXPECT_NEAR(peak.firstOrderUnc, rel * stress, 0.01 * rel * stress);
  // A transmitted start moved later loses the last point: it has fewer draws than the others.
  EXPECT_EQ(band.draws[250], 2000);
  EXPECT_LT(band.draws[Plateau::N], 2000);
  EXPECT_GT(band.draws[Plateau::N], 1000);
}

TEST(Uncertainty, SameSeedSameBandWhateverTheThreads) {
  Plateau p;
  UncertaintyInputs in;
  in.windowStartSamples = 3;
  UncertaintyOptions o;
  o.draws = 400;
  o.threads = 1;
  const UncertaintyResult one = p.Run(in, o);
  for (int threads : {2, 3}) {
    o.threads = threads;
    const UncertaintyResult many = p.Run(in, o);
    for (int c = 0; c < kResultCurveCount; ++c) {
      EXPECT_EQ(many.bands[c].lower, one.bands[c].lower) << threads << " " << c;
      EXPECT_EQ(many.bands[c].upper, one.bands[c].upper) << threads << " " << c;
      EXPECT_EQ(many.bands[c].draws, one.bands[c].draws) << threads << " " << c;
    }
    for (std::size_t k = 0; k < one.scalars.size(); ++k) {
      EXPECT_EQ(many.scalars[k].standardUnc, one.scalars[k].standardUnc);
      EXPECT_EQ(many.scalars[k].changePerUnc, one.scalars[k].changePerUnc);
    }
  }
  o.seed = kUncertaintySeed + 1;
  EXPECT_NE(p.Run(in, o).bands[kEngStrain].upper, one.bands[kEngStrain].upper);
}

TEST(Uncertainty, SensitivityRanksTheDominantInputFirst) {
  Plateau p;
  UncertaintyInputs in;
  in.barModulusPercent = 10.0;
  in.specimenThicknessMm = 0.4;  // 10 % of 4 mm
  UncertaintyOptions o;
  o.draws = 200;
  const UncertaintyResult u = p.Run(in, o);
  ASSERT_TRUE(u.ok);
  auto dominant = [](const ScalarUncertainty& s) {
    return static_cast<int>(std::max_element(s.varianceShare.begin(), s.varianceShare.end()) -
                            s.varianceShare.begin());
  };
  const ScalarUncertainty& stress = u.scalars[0];
  const ScalarUncertainty& strain = u.scalars[2];
  EXPECT_EQ(dominant(stress), kInBarModulus);
  EXPECT_EQ(dominant(strain), kInSpecimenThickness);
  // About 10 % of the value per standard uncertainty, with the sign of the dependence.
  EXPECT_NEAR(stress.changePerUnc[kInBarModulus] / stress.value, 0.1, 1e-6);
  EXPECT_NEAR(strain.changePerUnc[kInSpecimenThickness] / strain.value, -0.1, 0.002);
  // The stress of this model does not read the specimen thickness; the shares add to one.
  EXPECT_EQ(stress.varianceShare[kInSpecimenThickness], 0.0);
  double sum = 0;
  for (double s : strain.varianceShare) sum += s;
  EXPECT_NEAR(sum, 1.0, 1e-12);
}

TEST(Uncertainty, RecordModelAppliesEachChangeToTheComputation) {
  Plateau p;
  ModelResult base, changed;
  UncertaintyModel model = RecordUncertaintyModel(p.r.doc)();
  ASSERT_TRUE(model(Perturbation{}, base));
  auto run = [&](const Perturbation& q) {
    changed = {};
    EXPECT_TRUE(model(q, changed)) << changed.failureText;
    return changed.curves;
  };
  Perturbation q;
  q.barModulusRel = 0.01;  // must survive the computation's reading of the bar table
  EXPECT_NEAR(run(q)[kEngStress][10] / base.curves[kEngStress][10], 1.01, 1e-6);
  q = {};
  q.gaugeFactorRel[kTransmitted] = 0.01;
  q.conversionFactorRel[kTransmitted] = 0.02;
  EXPECT_NEAR(run(q)[kEngStress][10] / base.curves[kEngStress][10], 1.02 / 1.01, 1e-12);
  q = {};
  q.barDiameterMm = 0.8;  // 1 % of 80 mm
  EXPECT_NEAR(run(q)[kEngStress][10] / base.curves[kEngStress][10], 1.0201, 1e-9);
  q = {};
  q.samplingFrequencyRel = 1e-3;  // a shorter interval, a smaller strain per sample
  EXPECT_NEAR(run(q)[kEngStrain][400] / base.curves[kEngStrain][400], 1 / 1.001, 1e-12);
  q = {};
  q.windowStartShift = {0, 0, 1};
  EXPECT_EQ(run(q)[kEngStress].size(), base.curves[kEngStress].size() - 1);

  // A transmission bar of its own (aluminium) takes the bar changes too: model 2's stress is the
  // force it carries, so leaving it out would leave the modulus out of the band.
  p.r.doc.m_setup.trBarDiffers = true;
  p.r.doc.m_setup.trBarMaterialIndex = 1;
  p.r.doc.m_setup.trBarDiameterIndex = p.r.doc.m_setup.barDiameterIndex;
  UncertaintyModel twoBars = RecordUncertaintyModel(p.r.doc)();
  ASSERT_TRUE(twoBars(Perturbation{}, base));
  q = {};
  q.barModulusRel = 0.01;
  ASSERT_TRUE(twoBars(q, changed)) << changed.failureText;
  EXPECT_NEAR(changed.curves[kEngStress][10] / base.curves[kEngStress][10], 1.01, 1e-6);
  p.r.doc.m_setup.trBarDiffers = false;

  // Starts at the channel's first sample are clamped there, not moved outside it.
  p.r.doc.m_windows[kRefStart] = 0;
  p.r.doc.m_windows[kTrStart] = p.r.doc.m_windows[kTrEnd];
  UncertaintyModel edge = RecordUncertaintyModel(p.r.doc)();
  ASSERT_TRUE(edge(Perturbation{}, base));
  q.windowStartShift = {-1, -1, 1};
  ASSERT_TRUE(edge(q, changed)) << changed.failureText;
  EXPECT_EQ(changed.curves[kEngStrain], base.curves[kEngStrain]);
  EXPECT_EQ(changed.curves[kEngStress].size(), 1u);

  // A refusal of the computation comes back as its message.
  q = {};
  q.specimenThicknessMm = -4.0;
  EXPECT_FALSE(model(q, changed));
  EXPECT_NE(changed.failureText.find("specimen thickness"), std::string::npos);
}

TEST(Uncertainty, DispersionDrawsGiveTheComputationOfTheirShiftedWindows) {
  // The draws keep corrected windows for reuse: each must still be the window its shifts name.
  Plateau p;
  TestParameters& par = p.r.ws.params;
  par.dispersionCorrection = true;
  par.incGaugeDistanceMm = 300;
  par.trGaugeDistanceMm = 200;
  ASSERT_TRUE(ComputeStressStrain(p.r.doc, p.r.ia));
  const std::array<int, 6> windows = p.r.doc.m_windows;
  UncertaintyModel model = RecordUncertaintyModel(p.r.doc)();
  ModelResult got;
  // Reflected starts one sample apart with the same result length (the transmitted window is the
  // shorter), then again: each window only its own start may give.
  for (int shift : {0, -1, 0, -1, 1}) {
    Perturbation q;
    q.windowStartShift = {0, shift, 0};
    ASSERT_TRUE(model(q, got)) << got.failureText;
    p.r.doc.m_windows = windows;
    p.r.doc.m_windows[kRefStart] += shift;
    ASSERT_TRUE(ComputeStressStrain(p.r.doc, p.r.ia));
    EXPECT_EQ(got.curves, p.r.doc.m_computed) << shift;
  }
}

TEST(Uncertainty, DrawsAndRanksFollowTheStatedDistributions) {
  EXPECT_NEAR(StandardNormalQuantile(0.975), 1.959963984540054, 1e-14);
  EXPECT_NEAR(StandardNormalQuantile(0.3), -0.5244005127080407, 1e-14);
  EXPECT_NEAR(StandardNormalQuantile(1e-10), -6.361340902404056, 1e-12);
  EXPECT_NEAR(StandardNormalQuantile(1 - 1e-3), 3.090232306167813, 1e-13);
  EXPECT_EQ(CoverageRanks(2000, 0.95), std::make_pair(50, 1950));
  EXPECT_EQ(CoverageRanks(1999, 0.95), std::make_pair(50, 1949));
  EXPECT_EQ(CoverageRanks(1, 0.95), std::make_pair(1, 1));

  UncertaintyInputs in;
  in.windowStartSamples = 2;
  const auto d = DrawPerturbations(in, 20000, 7);
  double sum = 0, sumSq = 0;
  std::array<int, 5> shifts{};
  for (const Perturbation& q : d) {
    sum += q.barModulusRel;
    sumSq += q.barModulusRel * q.barModulusRel;
    ASSERT_GE(q.windowStartShift[1], -2);
    ASSERT_LE(q.windowStartShift[1], 2);
    ++shifts[q.windowStartShift[1] + 2];
  }
  EXPECT_NEAR(sum / d.size(), 0.0, 0.0005);
  EXPECT_NEAR(std::sqrt(sumSq / d.size()), 0.02, 0.0005);
  for (int s : shifts) EXPECT_NEAR(s, 4000, 250);
  EXPECT_EQ(DrawPerturbations(in, 3, 7)[2].specimenDiameterMm, d[2].specimenDiameterMm);
}

TEST(Uncertainty, ProgressReachesOneAndCancels) {
  Plateau p;
  UncertaintyOptions o;
  o.draws = 300;
  std::vector<double> seen;
  const auto ok = RunUncertainty({}, RecordUncertaintyModel(p.r.doc), o, [&](double f) {
    seen.push_back(f);
    return true;
  });
  EXPECT_TRUE(ok.ok);
  ASSERT_FALSE(seen.empty());
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(seen.back(), 1.0);
  const auto cancelled =
      RunUncertainty({}, RecordUncertaintyModel(p.r.doc), o, [](double f) { return f < 0.2; });
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_FALSE(cancelled.ok);
}

TEST(UncertaintyInputs, FileKeepsDefaultsAndRefusesBadValues) {
  UncertaintyInputs in;
  ASSERT_FALSE(
      ParseUncertaintyInputs(R"({"bar_modulus_percent": 3, "window_start_samples": 2})", in));
  EXPECT_EQ(in.barModulusPercent, 3.0);
  EXPECT_EQ(in.windowStartSamples, 2);
  EXPECT_EQ(in.gaugeFactorPercent, 1.0);
  EXPECT_EQ(in.samplingFrequencyPpm, 50.0);

  const nlohmann::json j = in;
  EXPECT_EQ(j.size(), UncertaintyFields().size());
  EXPECT_EQ(j.get<UncertaintyInputs>().barModulusPercent, 3.0);

  for (const char* bad :
       {R"({"bar_modulus_percent": -1})", R"({"bar_diameter_mm": "0.02"})",
        R"({"window_start_samples": 1.5})", R"({"window_start_samples": 1e6})",
        R"({"bar_modulus": 2})", R"({"bar_modulus_percent": 5, "bar_diameter_mm": -1})",
        R"([1, 2])", R"({"bar_modulus_percent": )"}) {
    UncertaintyInputs kept = in;
    const UncertaintyProblem problem = ParseUncertaintyInputs(bad, kept);
    EXPECT_TRUE(problem) << bad;
    EXPECT_EQ(kept.barModulusPercent, 3.0) << bad;
  }
  EXPECT_THROW(nlohmann::json::parse(R"({"bar_modulus_percent": null})").get<UncertaintyInputs>(),
               std::invalid_argument);
}

}  // namespace
}  // namespace velk
