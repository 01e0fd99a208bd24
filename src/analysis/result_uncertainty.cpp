#include "analysis/result_uncertainty.h"

#include <cmath>
#include <cstring>

#include "analysis/uncertainty_record.h"
#include "record/doc_view.h"
#include "record/tr_noop.h"

namespace velk {

namespace {

// FNV-1a over the bytes: the band is compared against the results it belongs to on every paint
// and export, so this must be cheap; it need not resist anyone.
struct Fnv {
  std::uint64_t h = 14695981039346656037ull;
  void Bytes(const void* p, std::size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 1099511628211ull;
  }
  template <class T>
  void Value(const T& v) {
    Bytes(&v, sizeof v);
  }
  void Array(const std::vector<double>& v) {
    Value(v.size());
    Bytes(v.data(), v.size() * sizeof(double));
  }
};

// The computation's results are bit for bit those of the unperturbed model: otherwise the band
// would describe other curves than the ones shown.
bool SameResults(const CVelkDoc& doc, const ModelResult& nominal) {
  for (int c = 0; c < kResultCurveCount; ++c) {
    const auto& a = doc.m_computed[c];
    const auto& b = nominal.curves[c];
    if (a.size() != b.size() ||
        (!a.empty() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) != 0)) {
      return false;
    }
  }
  return true;
}

bool HasResults(const CVelkDoc& doc) {
  return doc.ws().Has(kResultsComputed) && doc.m_lastResultIndex >= 0;
}

}  // namespace

std::uint64_t ResultsFingerprint(const CVelkDoc& doc) {
  Fnv f;
  for (const auto& c : doc.m_computed) f.Array(c);
  for (const auto& c : doc.m_smoothed) f.Array(c);
  f.Value(doc.m_lastResultIndex);
  f.Value(doc.m_windows);
  f.Value(doc.m_setup.computeModel);
  const TestParameters& p = doc.ws().params;
  for (double v :
       {static_cast<double>(p.samplingMhz), p.sampleIntervalUs,
        static_cast<double>(p.barWaveSpeedMs), static_cast<double>(p.barModulusMpa), p.barAreaMm2,
        static_cast<double>(p.specimenDiameterMm), static_cast<double>(p.specimenThicknessMm),
        p.channel[0].factor, p.channel[1].factor}) {
    f.Value(v);
  }
  return f.h;
}

const ResultUncertainty* CurrentUncertainty(const CVelkDoc& doc) {
  const ResultUncertainty* u = doc.m_uncertainty.get();
  return u != nullptr && HasResults(doc) && u->fingerprint == ResultsFingerprint(doc) ? u : nullptr;
}

const ResultUncertainty* CurrentUncertainty(CVelkDoc& doc) {
  const ResultUncertainty* u = CurrentUncertainty(static_cast<const CVelkDoc&>(doc));
  if (u == nullptr) doc.m_uncertainty.reset();
  return u;
}

bool ComputeResultUncertainty(CVelkDoc& doc, const UncertaintyInputs& in, Interaction& ia,
                              const UncertaintyOptions& options) {
  doc.m_uncertainty.reset();
  if (!HasResults(doc)) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "尚未计算结果，无法估计不确定度。"));
    return false;
  }
  const char* label = VELK_TRANSLATE_NOOP("velk", "正在估计不确定度...");
  auto u = std::make_shared<ResultUncertainty>();
  u->inputs = in;
  u->options = options;
  u->fingerprint = ResultsFingerprint(doc);
  u->result = RunUncertainty(in, RecordUncertaintyModel(doc), options,
                             [&](double f) { return ia.ShowProgress(label, f); });
  ia.ShowProgress(label, 1.0);
  const UncertaintyResult& r = u->result;
  if (r.cancelled) return false;
  if (!r.ok) {
    // The computation's own refusal says what to change.
    ia.ShowMessage(r.failureText, r.failureArgs);
    return false;
  }
  if (!SameResults(doc, r.nominal)) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP(
        "velk", "当前结果不是按现在的参数和波窗计算的，请重新计算后再估计不确定度。"));
    return false;
  }
  doc.m_uncertainty = std::move(u);
  if (DocView* v = doc.m_view) v->Redraw();
  return true;
}

void OnUncertainty(CVelkDoc& doc, Interaction& ia, UncertaintyInputs& inputs) {
  if (!HasResults(doc)) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "尚未计算结果，无法估计不确定度。"));
    return;
  }
  UncertaintySheet sheet;
  sheet.inputs = inputs;
  sheet.shown = CurrentUncertainty(doc);
  sheet.run = [&doc, &ia](UncertaintySheet& s) {
    const bool ok = ComputeResultUncertainty(doc, s.inputs, ia);
    s.shown = CurrentUncertainty(doc);
    return ok;
  };
  ia.RunUncertainty(sheet);
  inputs = sheet.inputs;
}

int DominantInput(const ScalarUncertainty& s) {
  int best = -1;
  for (int i = 0; i < kInputCount; ++i) {
    const double share = s.varianceShare[i];
    if (std::isfinite(share) && share > 0.0 && (best < 0 || share > s.varianceShare[best])) {
      best = i;
    }
  }
  return best;
}

}  // namespace velk
