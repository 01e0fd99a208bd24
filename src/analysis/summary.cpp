#include "analysis/summary.h"

#include <algorithm>
#include <cmath>

namespace velk {

namespace {

constexpr double kYieldOffset = 0.002;
constexpr double kFitLow = 0.10, kFitHigh = 0.50;
constexpr double kRateBand = 0.10;
constexpr double kEquilibriumLimit = 0.05;

std::size_t Count(const ResultCurves& c) {
  return std::min({c.stress.size(), c.strain.size(), c.rate.size()});
}

double Lerp(double a, double b, double f) { return a + (b - a) * f; }

}  // namespace

int PeakIndex(std::span<const double> stress) {
  if (stress.empty()) return 0;
  return static_cast<int>(std::max_element(stress.begin(), stress.end()) - stress.begin());
}

std::optional<double> FlowStressAt(const ResultCurves& c, double strain) {
  const std::size_t n = Count(c);
  // The first time the curve reaches the strain: the loading branch, not a later unloading.
  for (std::size_t i = 0; i < n; ++i) {
    if (c.strain[i] < strain) continue;
    if (i == 0) return c.strain[0] == strain ? std::optional(c.stress[0]) : std::nullopt;
    const double f = (strain - c.strain[i - 1]) / (c.strain[i] - c.strain[i - 1]);
    return Lerp(c.stress[i - 1], c.stress[i], f);
  }
  return std::nullopt;
}

std::optional<YieldFit> OffsetYield(const ResultCurves& c) {
  const std::size_t n = Count(c);
  if (n == 0) return std::nullopt;
  const int peak = PeakIndex(c.stress.first(n));
  const double top = c.stress[peak];
  if (!(top > 0.0)) return std::nullopt;
  // Least squares of stress on strain over the loading points between 10 % and 50 % of the peak.
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  int m = 0, first = -1;
  for (int i = 0; i <= peak; ++i) {
    const double s = c.stress[i];
    if (s < kFitLow * top || s > kFitHigh * top) continue;
    if (first < 0) first = i;
    sx += c.strain[i];
    sy += s;
    sxx += c.strain[i] * c.strain[i];
    sxy += c.strain[i] * s;
    ++m;
  }
  if (m < 2) return std::nullopt;
  const double den = m * sxx - sx * sx;
  if (!(den > 0.0)) return std::nullopt;
  const double slope = (m * sxy - sx * sy) / den;
  const double intercept = (sy - slope * sx) / m;
  if (!(slope > 0.0)) return std::nullopt;
  // The curve starts above the offset line; yield is where it first falls to it.
  auto gap = [&](int i) {
    return c.stress[i] - (slope * (c.strain[i] - kYieldOffset) + intercept);
  };
  for (int i = first + 1; i < static_cast<int>(n); ++i) {
    if (gap(i) > 0.0) continue;
    const double g0 = gap(i - 1), g1 = gap(i);
    const double f = g0 == g1 ? 0.0 : g0 / (g0 - g1);
    return YieldFit{Lerp(c.stress[i - 1], c.stress[i], f), Lerp(c.strain[i - 1], c.strain[i], f),
                    slope, i};
  }
  return std::nullopt;
}

std::optional<PlateauRate> PlateauStrainRate(const ResultCurves& c, int fromIndex) {
  const int n = static_cast<int>(Count(c));
  if (fromIndex < 0 || fromIndex >= n) return std::nullopt;
  std::vector<double> part(c.rate.begin() + fromIndex, c.rate.begin() + n);
  std::vector<double> sorted = part;
  const std::size_t mid = sorted.size() / 2;
  std::nth_element(sorted.begin(), sorted.begin() + mid, sorted.end());
  double median = sorted[mid];
  if (sorted.size() % 2 == 0) {
    median = (median + *std::max_element(sorted.begin(), sorted.begin() + mid)) / 2;
  }
  const double band = kRateBand * std::abs(median);
  int bestStart = 0, bestLength = 0;
  for (int i = 0; i < static_cast<int>(part.size());) {
    if (!(std::abs(part[i] - median) <= band)) {
      ++i;
      continue;
    }
    int j = i;
    while (j < static_cast<int>(part.size()) && std::abs(part[j] - median) <= band) ++j;
    if (j - i > bestLength) bestStart = i, bestLength = j - i;
    i = j;
  }
  if (bestLength == 0) return std::nullopt;
  double sum = 0;
  for (int i = bestStart; i < bestStart + bestLength; ++i) sum += part[i];
  const double mean = sum / bestLength;
  double sq = 0;
  for (int i = bestStart; i < bestStart + bestLength; ++i)
    sq += (part[i] - mean) * (part[i] - mean);
  const int a = fromIndex + bestStart, b = fromIndex + bestStart + bestLength - 1;
  return PlateauRate{mean, std::sqrt(sq / bestLength), c.strain[a], c.strain[b]};
}

std::optional<Equilibrium> EquilibriumPoint(const ForceBalance& b, std::span<const double> strain,
                                            int loadingEnd) {
  const int n = static_cast<int>(std::min(b.ratio.size(), strain.size()));
  if (loadingEnd < 0 || loadingEnd >= n) return std::nullopt;
  auto balanced = [&](int i) { return std::abs(b.ratio[i]) < kEquilibriumLimit; };  // NaN: false
  int from = loadingEnd + 1;
  while (from > 0 && balanced(from - 1)) --from;
  if (from > loadingEnd) return std::nullopt;
  return Equilibrium{b.timeUs[from], strain[from]};
}

double AbsorbedEnergy(const ResultCurves& c) {
  const std::size_t n = Count(c);
  double w = 0;
  for (std::size_t i = 1; i < n; ++i) {
    w += 0.5 * (c.stress[i] + c.stress[i - 1]) * (c.strain[i] - c.strain[i - 1]);
  }
  return w;  // MPa × strain = MJ/m³
}

Summary Summarise(const ResultCurves& c, const ForceBalance& b,
                  const std::vector<double>& flowStrains) {
  Summary s;
  const std::size_t n = Count(c);
  if (n > 0) {
    const int peak = PeakIndex(c.stress.first(n));
    s.peakStressMpa = c.stress[peak];
    s.strainAtPeak = c.strain[peak];
    s.maxStrain = *std::max_element(c.strain.begin(), c.strain.begin() + n);
  }
  for (double e : flowStrains) s.flowStress.push_back({e, FlowStressAt(c, e)});
  s.yield = OffsetYield(c);
  if (s.yield) s.plateau = PlateauStrainRate(c, s.yield->index);
  // The loading ends at the peak stress, or earlier where the front force starts to fall: on a
  // hardening specimen the mean stress still rises while the unloading front reaches the
  // incident face.
  int loadingEnd = n > 0 ? PeakIndex(c.stress.first(n)) : -1;
  if (!b.frontKn.empty()) loadingEnd = std::min(loadingEnd, PeakIndex(b.frontKn));
  s.equilibrium = EquilibriumPoint(b, c.strain.first(n), loadingEnd);
  s.energyMjPerM3 = AbsorbedEnergy(c);
  return s;
}

ResultCurves CurvesOf(const CVelkDoc& doc) {
  if (doc.m_lastResultIndex < 0 || !doc.ws().Has(kResultsComputed)) return {};
  const std::size_t want = static_cast<std::size_t>(doc.m_lastResultIndex) + 1;
  auto cut = [want](const std::vector<double>& v) {
    return std::span<const double>(v.data(), std::min(want, v.size()));
  };
  return {cut(doc.m_smoothed[kEngStress]), cut(doc.m_smoothed[kEngStrain]),
          cut(doc.m_smoothed[kEngStrainRate])};
}

}  // namespace velk
