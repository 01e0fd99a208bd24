#include "analysis/uncertainty_record.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "record/scripted_interaction.h"
#include "record/tr_noop.h"
#include "reduction/bar_stages.h"
#include "reduction/stress_strain.h"

namespace velk {

namespace {

constexpr double kQuarterPi = 0.78539815;  // the program's, as in the bar table

// Keeps the computation's refusal as source text and arguments, for the caller to translate.
class CapturingInteraction : public ScriptedInteraction {
 public:
  std::string text;
  std::vector<std::string> args;
  void ShowMessage(const std::string& t, const std::vector<std::string>& a) override {
    text = t;
    args = a;
  }
};

// One thread's record. The Workspace is the copy's own, so the program-wide parameters of the
// original are never touched.
struct RecordCopy {
  Workspace ws;
  std::unique_ptr<CVelkDoc> doc;
  CapturingInteraction ia;
  TestParameters nominal;
  std::array<int, 6> windows{};
  SummaryValues summary;
  // With the dispersion correction on, every draw corrects with the nominal bars and sample
  // interval. The correction's own change with a 1 % wave speed or 50 ppm is second order beside
  // what those inputs do to the strains and forces, and holding it lets the draws share the few
  // corrected windows their start shifts make instead of repeating the transforms 2000 times.
  std::unique_ptr<FaceWindowMemo> memo;
};

std::shared_ptr<RecordCopy> CopyRecord(const CVelkDoc& from, const SummaryValues& summary) {
  auto c = std::make_shared<RecordCopy>();
  c->ws = from.ws();
  c->doc = std::make_unique<CVelkDoc>(c->ws);
  c->ws.params = from.ws().params;  // the constructor reset some
  CVelkDoc& d = *c->doc;
  d.m_setup = from.m_setup;
  d.m_chooser = from.m_chooser;
  d.m_windows = from.m_windows;
  d.m_resultLimit = from.m_resultLimit;
  d.m_pointCount = from.m_pointCount;
  d.m_incBaseStart = from.m_incBaseStart;
  d.m_incBaseEnd = from.m_incBaseEnd;
  d.m_trBaseStart = from.m_trBaseStart;
  d.m_trBaseEnd = from.m_trBaseEnd;
  d.m_incBaseMean = from.m_incBaseMean;
  d.m_trBaseMean = from.m_trBaseMean;
  d.m_workInc = from.m_workInc;
  d.m_workTr = from.m_workTr;
  // The computation takes the bar from the tables first; do it once here, then point the setup
  // outside the tables so that the changed bar values are the ones it uses.
  d.SetBarProperties();
  d.m_setup.barMaterialIndex = -1;
  d.m_setup.barDiameterIndex = -1;
  d.m_setup.trBarMaterialIndex = -1;
  d.m_setup.trBarDiameterIndex = -1;
  c->nominal = c->ws.params;
  if (c->nominal.dispersionCorrection) {
    c->memo = std::make_unique<FaceWindowMemo>(DispersionRigOf(c->nominal));
  }
  c->windows = d.m_windows;
  c->summary = summary;
  return c;
}

// A bar's modulus and wave speed by their relative changes, its area and (for the dispersion
// correction) its diameter by the diameter change; the diameter is taken from the area.
void PerturbBar(float modulus, float waveSpeed, double area, double diameter, const Perturbation& q,
                float& outModulus, float& outWaveSpeed, double& outArea, double& outDiameter) {
  outModulus = static_cast<float>(modulus * (1.0 + q.barModulusRel));
  outWaveSpeed = static_cast<float>(waveSpeed * (1.0 + q.barWaveSpeedRel));
  const double fromArea = std::sqrt(area / kQuarterPi);
  if (fromArea > 0.0) {
    const double ratio = (fromArea + q.barDiameterMm) / fromArea;
    outArea = area * ratio * ratio;
  }
  if (diameter > 0.0) outDiameter = diameter + q.barDiameterMm;
}

void ApplyParameters(const TestParameters& n, const Perturbation& q, TestParameters& p) {
  p = n;
  for (int ch = 0; ch < 2; ++ch) {
    p.channel[ch].factor =
        n.channel[ch].factor * (1.0 + q.conversionFactorRel[ch]) / (1.0 + q.gaugeFactorRel[ch]);
    p.channel[ch].gaugeFactor = n.channel[ch].gaugeFactor * (1.0 + q.gaugeFactorRel[ch]);
  }
  PerturbBar(n.barModulusMpa, n.barWaveSpeedMs, n.barAreaMm2, n.barDiameterMm, q, p.barModulusMpa,
             p.barWaveSpeedMs, p.barAreaMm2, p.barDiameterMm);
  // One bar's values are the other's unless the bars differ. A second bar of its own takes the same
  // relative changes: the modulus and wave speed of both usually come from one handbook or one
  // calibration, so their errors are taken as fully correlated rather than left out.
  PerturbBar(n.trBarModulusMpa, n.trBarWaveSpeedMs, n.trBarAreaMm2, n.trBarDiameterMm, q,
             p.trBarModulusMpa, p.trBarWaveSpeedMs, p.trBarAreaMm2, p.trBarDiameterMm);
  p.specimenDiameterMm = static_cast<float>(n.specimenDiameterMm + q.specimenDiameterMm);
  p.specimenThicknessMm = static_cast<float>(n.specimenThicknessMm + q.specimenThicknessMm);
  p.samplingMhz = static_cast<float>(n.samplingMhz * (1.0 + q.samplingFrequencyRel));
  p.sampleIntervalUs = n.sampleIntervalUs / (1.0 + q.samplingFrequencyRel);
}

void ShiftWindows(const std::array<int, 6>& w, const Perturbation& q, int n,
                  std::array<int, 6>& out) {
  out = w;
  const int last = std::max(n - 1, 0);
  auto shifted = [](int start, int by, int hi) {
    const long long s = static_cast<long long>(start) + by;
    return static_cast<int>(std::clamp<long long>(s, 0, std::max(hi, 0)));
  };
  // A start already outside the channel is the computation's to refuse, so it stays.
  if (w[kIncStart] >= 0 && w[kIncStart] <= last) {
    out[kIncStart] = shifted(w[kIncStart], q.windowStartShift[0], last);
  }
  if (w[kRefStart] >= 0 && w[kRefStart] <= last) {
    out[kRefStart] = shifted(w[kRefStart], q.windowStartShift[1], last);
  }
  if (w[kTrStart] >= 0 && w[kTrStart] <= std::min(last, w[kTrEnd])) {
    out[kTrStart] = shifted(w[kTrStart], q.windowStartShift[2], std::min(last, w[kTrEnd]));
  }
}

bool Evaluate(RecordCopy& c, const Perturbation& q, ModelResult& out) {
  CVelkDoc& d = *c.doc;
  ApplyParameters(c.nominal, q, c.ws.params);
  const int n = static_cast<int>(std::min(d.m_workInc.size(), d.m_workTr.size()));
  ShiftWindows(c.windows, q, n, d.m_windows);
  c.ia.text.clear();
  c.ia.args.clear();
  if (!ComputeStressStrain(d, c.ia, c.memo.get())) {
    out.failureText = c.ia.text;
    out.failureArgs = c.ia.args;
    return false;
  }
  for (int k = 0; k < kResultCurveCount; ++k) out.curves[k].swap(d.m_computed[k]);
  out.scalars = c.summary ? c.summary(out.curves) : std::vector<double>{};
  return true;
}

}  // namespace

std::vector<double> StandardSummaryValues(const ResultCurves& curves) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto peak = [&](const std::vector<double>& v) {
    return v.empty() ? nan : *std::max_element(v.begin(), v.end());
  };
  const auto& strain = curves[kEngStrain];
  const auto& rate = curves[kEngStrainRate];
  double sum = 0.0;
  for (double r : rate) sum += r;
  return {peak(curves[kEngStress]), peak(curves[kTrueStress]), strain.empty() ? nan : strain.back(),
          rate.empty() ? nan : sum / static_cast<double>(rate.size())};
}

const std::array<UncertaintyField, 4>& StandardSummaryFields() {
  static const std::array<UncertaintyField, 4> kFields = {{
      {"peak_engineering_stress", VELK_TRANSLATE_NOOP("velk", "最大工程应力"), "MPa"},
      {"peak_true_stress", VELK_TRANSLATE_NOOP("velk", "最大真应力"), "MPa"},
      {"final_engineering_strain", VELK_TRANSLATE_NOOP("velk", "最终工程应变"), ""},
      {"mean_engineering_strain_rate", VELK_TRANSLATE_NOOP("velk", "平均工程应变率"), "1/s"},
  }};
  return kFields;
}

UncertaintyModelFactory RecordUncertaintyModel(const CVelkDoc& doc, SummaryValues summary) {
  return [&doc, summary = std::move(summary)]() -> UncertaintyModel {
    std::shared_ptr<RecordCopy> c = CopyRecord(doc, summary);
    return [c](const Perturbation& q, ModelResult& out) { return Evaluate(*c, q, out); };
  };
}

}  // namespace velk
