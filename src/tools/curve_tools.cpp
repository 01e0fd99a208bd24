#include "tools/curve_tools.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "record/doc_view.h"
#include "record/tr_noop.h"
#include "reduction/view_access.h"

namespace velk {

std::optional<double> AverageStrainRate(std::span<const double> strain, int i, double dtUs) {
  if (i <= 0 || static_cast<std::size_t>(i) >= strain.size() || !(dtUs > 0.0)) {
    return std::nullopt;
  }
  return strain[i] / (i * dtUs) * 1000000;
}

std::string FormatAverageStrainRate(double rate) {
  // to_chars gives printf's "%.1f" text without the process locale: the desktop program runs
  // under the user's locale, where printf would write a decimal comma.
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, rate, std::chars_format::fixed, 1);
  return kAverageRatePrefix + std::string(buf, r.ptr) + "(1/s)";
}

std::optional<double> StraightenSlope(std::span<const double> stress,
                                      std::span<const double> strain, int c, int last) {
  const long long size = static_cast<long long>(std::min(stress.size(), strain.size()));
  if (c < 10 || c > last - 10 || last >= size) return std::nullopt;
  auto slope = [&](int h) {
    return (stress[c + h] - stress[c - h]) / (strain[c + h] - strain[c - h]);
  };
  for (int h : {10, 5, 3}) {
    if (strain[c + h] - strain[c - h] == 0.0) return std::nullopt;
  }
  return (slope(10) + slope(5) + slope(3)) * 0.3333333333333333;
}

int Straighten(std::span<double> stress, std::span<double> strain, int c, int last, double k) {
  int z = 0;
  for (int i = c; i >= 0; --i) {
    stress[i] = stress[i + 1] - (strain[i + 1] - strain[i]) * k;
    if (stress[i] <= 0.0) {
      z = i;
      break;
    }
  }
  for (int j = 0; j <= z; ++j) stress[j] = 0.0;
  const double e0 = strain[z];
  for (int j = 0; j <= last - z; ++j) strain[j] = strain[j + z] - e0;
  for (int j = 0; j <= last - z; ++j) stress[j] = stress[j + z];
  return z;
}

namespace {

bool ResultsReady(const CVelkDoc& doc) {
  return doc.ws().Has(kResultsComputed) && doc.m_lastResultIndex >= 0;
}

void Redraw(CVelkDoc& doc) {
  if (doc.m_view != nullptr) doc.m_view->BindCurveArrays();
}

}  // namespace

void OnAverageStrainRate(CVelkDoc& doc, Interaction& ia) {
  if (!ResultsReady(doc)) return;
  if (CurrentCurveKind(doc) != kEngStressStrain) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "请在工程应力应变曲线界面计算"));
    return;
  }
  if (ia.PickPoint(doc) != kDone) return;
  const int i = doc.m_pickedIndex;
  const int last = doc.m_lastResultIndex;
  const std::vector<double>& strain =
      ShowsSmoothed(doc) ? doc.m_smoothed[kEngStrain] : doc.m_computed[kEngStrain];
  const double dt = doc.ws().params.sampleIntervalUs;
  if (!(dt > 0.0)) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP(
        "velk", "The sample interval is not above zero: set the sampling frequency first."));
    return;
  }
  if (i <= 0 || i > last) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk",
                                       "The average strain rate is taken from point 0 to the "
                                       "picked point: pick a point between "
                                       "1 and %1."),
                   {std::to_string(last)});
    return;
  }
  const auto rate = AverageStrainRate(strain, i, dt);
  if (rate) ia.SetCoordinateText(FormatAverageStrainRate(*rate));
}

void OnCutCurve(CVelkDoc& doc, Interaction& ia) {
  if (!ResultsReady(doc)) return;
  if (IsWaveKind(CurrentCurveKind(doc))) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "请选择计算的曲线"));
    return;
  }
  if (ia.PickPoint(doc) != kDone) return;
  const int i = doc.m_pickedIndex;
  if (i < 0 || i > doc.m_lastResultIndex) {
    // A cut never lengthens the curves, and a point before the first one cannot be kept.
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP(
            "velk",
            "The picked point %1 lies outside the curve (points 0 to %2); nothing was cut."),
        {std::to_string(i), std::to_string(doc.m_lastResultIndex)});
    return;
  }
  doc.m_lastResultIndex = i;
  Redraw(doc);
}

void OnStraightenCurve(CVelkDoc& doc, Interaction& ia) {
  if (!ResultsReady(doc)) return;
  const int kind = CurrentCurveKind(doc);
  if (kind != kEngStressStrain && kind != kTrueStressStrain) {
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP("velk", "Please select the engineering stress-strain curve"));
    return;
  }
  ia.ShowMessage(VELK_TRANSLATE_NOOP(
      "velk", "choose the center point No. around which to straighten the curve"));
  if (ia.PickPoint(doc) != kDone) return;
  const int c = doc.m_pickedIndex;
  const int last = doc.m_lastResultIndex;
  std::vector<double>& stress = doc.m_computed[kEngStress];
  std::vector<double>& strain = doc.m_computed[kEngStrain];
  if (c < 10 || c > last - 10 ||
      static_cast<std::size_t>(last) >= std::min(stress.size(), strain.size())) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk",
                                       "The centre point must lie at least 10 points from either "
                                       "end of the curve (points 10 to "
                                       "%1); point %2 does not. Nothing was changed."),
                   {std::to_string(last - 10), std::to_string(c)});
    return;
  }
  const auto k = StraightenSlope(stress, strain, c, last);
  if (!k) {
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP(
            "velk",
            "The strain does not change around point %1, so the curve has no slope there. Choose "
            "another centre point."),
        {std::to_string(c)});
    return;
  }
  doc.m_lastResultIndex = last - Straighten(stress, strain, c, last, *k);
  Redraw(doc);
}

}  // namespace velk
