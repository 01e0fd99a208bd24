#include "cli/simulate_compare.h"

#include <algorithm>
#include <cmath>

namespace velk::sim {

double TruthStressAt(const TruthCurve& truth, double strain) {
  if (truth.empty()) return 0.0;
  const auto it = std::lower_bound(truth.begin(), truth.end(), strain,
                                   [](const auto& p, double e) { return p.first < e; });
  if (it == truth.begin()) return it->second;
  if (it == truth.end()) return truth.back().second;
  const auto& [e0, s0] = *(it - 1);
  const auto& [e1, s1] = *it;
  if (e1 == e0) return s1;
  return s0 + (s1 - s0) * (strain - e0) / (e1 - e0);
}

CurveMatch CompareWithTruth(const TruthCurve& truth, double modulusMpa,
                            std::span<const double> strain, std::span<const double> stress,
                            double minPlasticStrain, double upperFraction) {
  CurveMatch m;
  const std::size_t count = std::min(strain.size(), stress.size());
  if (truth.empty() || count == 0) return m;
  double lo = truth.back().first;
  for (const auto& [e, s] : truth) {
    if (e - s / modulusMpa >= minPlasticStrain) {
      lo = e;
      break;
    }
  }
  const double hi = upperFraction * truth.back().first;
  // After the largest strain the specimen unloads; the truth says nothing about that branch.
  const auto top = static_cast<std::size_t>(
      std::max_element(strain.begin(), strain.begin() + static_cast<std::ptrdiff_t>(count)) -
      strain.begin());
  for (std::size_t i = 0; i <= top; ++i) {
    if (strain[i] < lo || strain[i] > hi) continue;
    const double t = TruthStressAt(truth, strain[i]);
    const double err = std::abs(stress[i] - t) / t;
    if (err > m.worstRelativeError || m.comparedPoints == 0) {
      m.worstRelativeError = err;
      m.atStrain = strain[i];
    }
    ++m.comparedPoints;
  }
  return m;
}

}  // namespace velk::sim
