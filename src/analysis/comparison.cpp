#include "analysis/comparison.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "record/tr_noop.h"

namespace velk {

namespace {

MeanCurveResult Refused(const char* message, std::vector<std::string> args = {}) {
  MeanCurveResult r;
  r.message = message;
  r.args = std::move(args);
  return r;
}

// Why the curve cannot be averaged, or nullptr.
const char* CurveProblem(const StressStrainCurve& c, std::string& point) {
  if (c.strain.empty() || c.stress.empty())
    return VELK_TRANSLATE_NOOP("velk", "曲线 %1 没有数据点。");
  if (c.strain.size() != c.stress.size())
    return VELK_TRANSLATE_NOOP("velk", "曲线 %1 的应变与应力点数不同。");
  for (std::size_t i = 0; i < c.strain.size(); ++i) {
    if (!std::isfinite(c.strain[i]) || !std::isfinite(c.stress[i])) {
      point = std::to_string(i + 1);
      return VELK_TRANSLATE_NOOP("velk", "曲线 %1 的第 %2 点不是有限数值。");
    }
  }
  return nullptr;
}

}  // namespace

StressStrainCurve LoadingBranch(const StressStrainCurve& c) {
  StressStrainCurve b;
  b.name = c.name;
  const std::size_t n = std::min(c.strain.size(), c.stress.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (b.strain.empty() || c.strain[i] > b.strain.back()) {
      b.strain.push_back(c.strain[i]);
      b.stress.push_back(c.stress[i]);
    }
  }
  return b;
}

double StressAt(const StressStrainCurve& branch, double e) {
  const auto& x = branch.strain;
  const auto& y = branch.stress;
  // The first point beyond e; e at or past the last point takes the last one.
  const auto it = std::upper_bound(x.begin(), x.end(), e);
  if (it == x.end()) return y.back();
  const std::size_t k = static_cast<std::size_t>(it - x.begin());
  if (k == 0) return y.front();
  const double t = (e - x[k - 1]) / (x[k] - x[k - 1]);
  return y[k - 1] + t * (y[k] - y[k - 1]);
}

MeanCurveResult ComputeMeanCurve(std::span<const StressStrainCurve> curves, std::size_t maxPoints) {
  if (curves.size() < 2) return Refused(VELK_TRANSLATE_NOOP("velk", "对比至少需要两条曲线。"));
  std::vector<StressStrainCurve> branches;
  double start = -std::numeric_limits<double>::infinity();
  double end = std::numeric_limits<double>::infinity();
  std::size_t points = 2;
  for (const StressStrainCurve& c : curves) {
    std::string point;
    if (const char* problem = CurveProblem(c, point)) return Refused(problem, {c.name, point});
    branches.push_back(LoadingBranch(c));
    start = std::max(start, branches.back().strain.front());
    end = std::min(end, branches.back().strain.back());
    points = std::max(points, c.strain.size());
  }
  if (!(end > start)) return Refused(VELK_TRANSLATE_NOOP("velk", "这些曲线没有共同的应变范围。"));
  points = std::min(points, std::max<std::size_t>(maxPoints, 2));

  MeanCurveResult r;
  MeanCurve& m = r.curve;
  m.n = static_cast<int>(branches.size());
  m.strain.resize(points);
  m.mean.resize(points);
  m.sd.resize(points);
  std::vector<double> s(branches.size());
  for (std::size_t i = 0; i < points; ++i) {
    // The last point is the end itself, not start plus a sum of rounded steps.
    const double e = i + 1 == points ? end
                                     : start + (end - start) * static_cast<double>(i) /
                                                   static_cast<double>(points - 1);
    double sum = 0;
    for (std::size_t k = 0; k < branches.size(); ++k) sum += s[k] = StressAt(branches[k], e);
    const double mean = sum / static_cast<double>(s.size());
    double squares = 0;
    for (double v : s) squares += (v - mean) * (v - mean);
    m.strain[i] = e;
    m.mean[i] = mean;
    m.sd[i] = std::sqrt(squares / static_cast<double>(s.size() - 1));
  }
  return r;
}

}  // namespace velk
