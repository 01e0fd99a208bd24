// The Monte Carlo run: evaluations spread over threads, each result folded into order statistics
// by point, so that neither the order in which the draws finish nor the thread count changes a
// digit of the band.

#include "analysis/uncertainty.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <thread>

#include "record/tr_noop.h"

namespace velk {

std::pair<int, int> CoverageRanks(int m, double coverage) {
  if (m <= 0) return {0, 0};
  int q = static_cast<int>(std::floor(coverage * m + 0.5));
  q = std::clamp(q, 1, m);
  int r = (m - q) % 2 == 0 ? (m - q) / 2 : (m - q + 1) / 2;
  r = std::max(r, 1);
  if (r + q > m) q = m - r;
  return {r, r + q};
}

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The `keep` smallest values seen at each of many points, exactly. Values below the point's
// threshold are appended to its buffer; a full buffer is cut back to the `keep` smallest and the
// threshold becomes the largest of them. Most values fail the threshold and touch only it: a heap
// per point would be reordered on every value that passes, and that memory traffic, not the
// computation, would set the run's time.
class Smallest {
 public:
  Smallest(std::size_t points, int keep)
      : m_keep(keep),
        m_capacity(2 * keep),
        // Not zeroed: only the filled part of each buffer is ever read.
        m_values(new double[points * m_capacity]),
        m_fill(points, 0),
        m_threshold(points, std::numeric_limits<double>::infinity()) {}

  void Insert(std::size_t at, double v) {
    if (!(v < m_threshold[at])) return;
    double* b = &m_values[at * m_capacity];
    b[m_fill[at]++] = v;
    if (m_fill[at] == m_capacity) {
      std::nth_element(b, b + m_keep - 1, b + m_capacity);
      m_fill[at] = m_keep;
      m_threshold[at] = b[m_keep - 1];
    }
  }
  void Merge(std::size_t at, const Smallest& o) {
    for (int k = 0; k < o.m_fill[at]; ++k) Insert(at, o.m_values[at * m_capacity + k]);
  }
  // The k-th smallest (1-based) value at a point; k must not exceed `keep` nor the values seen.
  double Rank(std::size_t at, int k) {
    double* b = &m_values[at * m_capacity];
    std::nth_element(b, b + k - 1, b + m_fill[at]);
    return b[k - 1];
  }

 private:
  int m_keep;
  int m_capacity;
  std::unique_ptr<double[]> m_values;
  std::vector<int> m_fill;
  std::vector<double> m_threshold;
};

// The smallest and the largest few values seen at each point of the six curves: all the
// coverage interval's ends need. The largest are kept as the smallest of the negated values
// (negation is exact).
class Extremes {
 public:
  Extremes(std::size_t points, int keep)
      : m_points(points),
        m_low(kResultCurveCount * points, keep),
        m_high(kResultCurveCount * points, keep),
        m_count(kResultCurveCount * points, 0) {}

  void Add(const std::array<std::vector<double>, kResultCurveCount>& curves) {
    for (int c = 0; c < kResultCurveCount; ++c) {
      const std::size_t n = std::min(curves[c].size(), m_points);
      const double* y = curves[c].data();
      for (std::size_t j = 0; j < n; ++j) {
        const std::size_t at = c * m_points + j;
        m_low.Insert(at, y[j]);
        m_high.Insert(at, -y[j]);
        ++m_count[at];
      }
    }
  }

  void Merge(const Extremes& o) {
    for (std::size_t at = 0; at < m_count.size(); ++at) {
      m_low.Merge(at, o.m_low);
      m_high.Merge(at, o.m_high);
      m_count[at] += o.m_count[at];
    }
  }

  void Band(int c, double coverage, CurveBand& band) {
    band.lower.assign(m_points, kNaN);
    band.upper.assign(m_points, kNaN);
    band.draws.assign(m_points, 0);
    for (std::size_t j = 0; j < m_points; ++j) {
      const std::size_t at = c * m_points + j;
      const int m = m_count[at];
      band.draws[j] = m;
      if (m == 0) continue;
      const auto [r, rq] = CoverageRanks(m, coverage);
      band.lower[j] = m_low.Rank(at, r);
      band.upper[j] = -m_high.Rank(at, m - rq + 1);
    }
  }

 private:
  std::size_t m_points;
  Smallest m_low, m_high;
  std::vector<int> m_count;
};

// How many of the smallest and largest values the ends of the interval can need, for any number
// of draws up to m (a point may have fewer draws than were made).
int KeepFor(int m, double coverage) {
  int keep = 1;
  for (int k = 1; k <= m; ++k) {
    const auto [r, rq] = CoverageRanks(k, coverage);
    keep = std::max({keep, r, k - rq + 1});
  }
  return keep;
}

bool AllFinite(const ModelResult& r) {
  auto finite = [](double v) { return std::isfinite(v); };
  for (const auto& c : r.curves) {
    if (!std::all_of(c.begin(), c.end(), finite)) return false;
  }
  return true;
}

struct Evaluation {
  bool ok = false;
  std::vector<double> scalars;
};

// The first failure by task number, so the reported reason does not depend on the threads.
struct FirstFailure {
  int task = std::numeric_limits<int>::max();
  std::string text;
  std::vector<std::string> args;
  void Note(int t, const ModelResult& r) {
    if (t >= task) return;
    task = t;
    text = r.failureText.empty() ? VELK_TRANSLATE_NOOP("velk", "一次抽样的计算结果含有非有限数。")
                                 : r.failureText;
    args = r.failureArgs;
  }
};

struct Shared {
  std::vector<Perturbation> tasks;  // the one-at-a-time changes, then the draws
  int oatCount = 0;
  std::vector<Evaluation> results;
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  std::atomic<bool> stop{false};
};

void Work(Shared& s, UncertaintyModel& model, Extremes& acc, FirstFailure& failure,
          const std::function<void()>& afterTask) {
  ModelResult r;
  const int total = static_cast<int>(s.tasks.size());
  for (int t = s.next++; t < total && !s.stop; t = s.next++) {
    r.failureText.clear();
    r.failureArgs.clear();
    r.scalars.clear();
    bool ok = false;
    try {
      ok = model(s.tasks[t], r) && AllFinite(r);
    } catch (const std::exception&) {
      r.failureText = VELK_TRANSLATE_NOOP("velk", "内存不足，无法完成不确定度计算。");
      ok = false;
    }
    if (ok) {
      if (t >= s.oatCount) acc.Add(r.curves);
      s.results[t] = {true, r.scalars};
    } else {
      failure.Note(t, r);
    }
    ++s.done;
    if (afterTask) afterTask();
  }
}

void Summarise(const Shared& s, const std::vector<int>& oatInputs,
               const std::vector<double>& oatScale, double coverage, UncertaintyResult& out) {
  const std::size_t count = out.nominal.scalars.size();
  out.scalars.assign(count, {});
  for (std::size_t k = 0; k < count; ++k) {
    ScalarUncertainty& su = out.scalars[k];
    su.value = out.nominal.scalars[k];
    std::vector<double> v;
    for (std::size_t t = s.oatCount; t < s.results.size(); ++t) {
      const Evaluation& e = s.results[t];
      if (e.ok && k < e.scalars.size() && std::isfinite(e.scalars[k])) v.push_back(e.scalars[k]);
    }
    su.draws = static_cast<int>(v.size());
    if (v.empty()) {
      su.lower = su.upper = su.mean = su.standardUnc = kNaN;
    } else {
      double sum = 0.0;
      for (double x : v) sum += x;
      su.mean = sum / v.size();
      double ss = 0.0;
      for (double x : v) ss += (x - su.mean) * (x - su.mean);
      su.standardUnc = v.size() > 1 ? std::sqrt(ss / (v.size() - 1)) : 0.0;
      std::sort(v.begin(), v.end());
      const auto [r, rq] = CoverageRanks(su.draws, coverage);
      su.lower = v[r - 1];
      su.upper = v[rq - 1];
    }
    su.changePerUnc.fill(0.0);
    for (std::size_t i = 0; i < oatInputs.size(); ++i) {
      const Evaluation& plus = s.results[2 * i];
      const Evaluation& minus = s.results[2 * i + 1];
      const bool ok = plus.ok && minus.ok && k < plus.scalars.size() && k < minus.scalars.size();
      su.changePerUnc[oatInputs[i]] =
          ok ? (plus.scalars[k] - minus.scalars[k]) * 0.5 * oatScale[i] : kNaN;
    }
    double sumSq = 0.0;
    for (double c : su.changePerUnc) {
      if (std::isfinite(c)) sumSq += c * c;
    }
    su.firstOrderUnc = std::sqrt(sumSq);
    for (int i = 0; i < kInputCount; ++i) {
      const double c = su.changePerUnc[i];
      su.varianceShare[i] = !std::isfinite(c) ? kNaN : sumSq > 0.0 ? c * c / sumSq : 0.0;
    }
  }
}

}  // namespace

UncertaintyResult RunUncertainty(const UncertaintyInputs& in, const UncertaintyModelFactory& make,
                                 const UncertaintyOptions& options,
                                 const UncertaintyProgress& progress) {
  UncertaintyResult out;
  Shared s;
  std::vector<int> oatInputs;
  std::vector<double> oatScale;
  for (int i = 0; i < kInputCount; ++i) {
    Perturbation plus, minus;
    const double scale = OneAtATime(in, i, +1, plus);
    if (scale <= 0.0) continue;
    OneAtATime(in, i, -1, minus);
    oatInputs.push_back(i);
    oatScale.push_back(scale);
    s.tasks.push_back(plus);
    s.tasks.push_back(minus);
  }
  s.oatCount = static_cast<int>(s.tasks.size());
  const int draws = std::max(options.draws, 0);
  const std::vector<Perturbation> d = DrawPerturbations(in, draws, options.seed);
  s.tasks.insert(s.tasks.end(), d.begin(), d.end());
  s.results.resize(s.tasks.size());

  int threads =
      options.threads > 0 ? options.threads : static_cast<int>(std::thread::hardware_concurrency());
  threads = std::clamp(threads, 1, std::max(1, static_cast<int>(s.tasks.size())));
  // Every model is made here, on the calling thread, before any thread reads one.
  std::vector<UncertaintyModel> models;
  for (int t = 0; t < threads; ++t) models.push_back(make());

  if (!models[0](Perturbation{}, out.nominal) || !AllFinite(out.nominal)) {
    out.failureText = out.nominal.failureText.empty()
                          ? VELK_TRANSLATE_NOOP("velk", "未扰动的计算结果含有非有限数。")
                          : out.nominal.failureText;
    out.failureArgs = out.nominal.failureArgs;
    return out;
  }
  std::size_t points = 0;
  for (const auto& c : out.nominal.curves) points = std::max(points, c.size());
  const int keep = KeepFor(draws, options.coverage);

  std::vector<Extremes> acc;
  std::vector<FirstFailure> failures(threads);
  acc.reserve(threads);
  for (int t = 0; t < threads; ++t) acc.emplace_back(points, keep);

  const int total = static_cast<int>(s.tasks.size());
  int reportedPercent = -1;
  const std::function<void()> report = [&] {
    const int percent = static_cast<int>(100LL * s.done / std::max(total, 1));
    if (!progress || percent == reportedPercent) return;
    reportedPercent = percent;
    if (!progress(percent / 100.0)) s.stop = true;
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) {
    pool.emplace_back([&, t] { Work(s, models[t], acc[t], failures[t], {}); });
  }
  Work(s, models[0], acc[0], failures[0], report);
  for (std::thread& th : pool) th.join();
  // The other threads may have taken the last draws (or all of them, on a busy machine) after this
  // one last reported: the operator still sees the end and may still cancel.
  report();
  if (s.stop) {
    out.cancelled = true;
    return out;
  }
  if (progress) progress(1.0);

  for (int t = 1; t < threads; ++t) acc[0].Merge(acc[t]);
  for (int c = 0; c < kResultCurveCount; ++c) acc[0].Band(c, options.coverage, out.bands[c]);
  for (int t = s.oatCount; t < total; ++t) (s.results[t].ok ? out.drawsUsed : out.drawsFailed)++;
  const auto first = std::min_element(failures.begin(), failures.end(),
                                      [](const auto& a, const auto& b) { return a.task < b.task; });
  out.failureText = first->text;
  out.failureArgs = first->args;
  Summarise(s, oatInputs, oatScale, options.coverage, out);
  out.ok = out.drawsUsed > 0;
  return out;
}

}  // namespace velk
