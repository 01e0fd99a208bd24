#include "plot/core/minmax_pyramid.h"

#include <algorithm>

namespace velk {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

}  // namespace

struct MinMaxPyramid::Query {
  std::size_t begin, end;
  double lo, hi;
  Extent e;

  void Take(std::size_t first, std::size_t last, double mn, double mx) {
    if (e.first < 0) e.first = static_cast<std::ptrdiff_t>(first);
    e.last = static_cast<std::ptrdiff_t>(last);
    e.min = std::min(e.min, mn);
    e.max = std::max(e.max, mx);
  }
};

MinMaxPyramid::MinMaxPyramid(std::span<const double> samples) : m_samples(samples) {
  if (samples.empty()) return;
  // The comparisons are written so that a NaN sample never replaces a bound; the flag keeps
  // the fact that it was there.
  Level first;
  first.blocks.resize((samples.size() + kFanOut - 1) / kFanOut);
  first.hasNaN.resize(first.blocks.size());
  for (std::size_t b = 0; b < first.blocks.size(); ++b) {
    const std::size_t s = b * kFanOut, t = std::min(s + kFanOut, samples.size());
    double mn = kInf, mx = -kInf;
    bool nan = false;
    for (std::size_t i = s; i < t; ++i) {
      const double v = samples[i];
      mn = v < mn ? v : mn;
      mx = v > mx ? v : mx;
      nan |= v != v;
    }
    first.blocks[b] = {mn, mx};
    first.hasNaN[b] = nan;
  }
  m_levels.push_back(std::move(first));
  while (m_levels.back().blocks.size() > 1) {
    const Level& below = m_levels.back();
    Level up;
    up.blocks.resize((below.blocks.size() + kFanOut - 1) / kFanOut);
    up.hasNaN.resize(up.blocks.size());
    for (std::size_t b = 0; b < up.blocks.size(); ++b) {
      const std::size_t s = b * kFanOut, t = std::min(s + kFanOut, below.blocks.size());
      Block blk{kInf, -kInf};
      bool nan = false;
      for (std::size_t i = s; i < t; ++i) {
        blk.min = std::min(blk.min, below.blocks[i].min);
        blk.max = std::max(blk.max, below.blocks[i].max);
        nan |= below.hasNaN[i] != 0;
      }
      up.blocks[b] = blk;
      up.hasNaN[b] = nan;
    }
    m_levels.push_back(std::move(up));
  }
}

MinMaxPyramid::Extent MinMaxPyramid::Find(std::size_t begin, std::size_t end, double lo,
                                          double hi) const {
  if (m_samples.empty() || begin >= m_samples.size() || !(lo <= hi)) return {};
  Query q{begin, std::min(end, m_samples.size() - 1), lo, hi, {}};
  if (q.begin > q.end) return {};
  Visit(q, m_levels.size(), 0);
  return q.e;
}

void MinMaxPyramid::Visit(Query& q, std::size_t level, std::size_t index) const {
  const Level& l = m_levels[level - 1];
  const Block& b = l.blocks[index];
  // Nothing in the block can be accepted: no number at all, or every number outside [lo, hi].
  if (b.min > b.max || b.min > q.hi || b.max < q.lo) return;
  std::size_t span = kFanOut;
  for (std::size_t k = 1; k < level; ++k) span *= kFanOut;
  const std::size_t s = index * span;
  const std::size_t t = std::min(s + span, m_samples.size()) - 1;
  if (q.begin <= s && t <= q.end && !l.hasNaN[index] && q.lo <= b.min && b.max <= q.hi) {
    q.Take(s, t, b.min, b.max);
    return;
  }
  const std::size_t from = std::max(s, q.begin), to = std::min(t, q.end);
  if (level == 1) {
    for (std::size_t i = from; i <= to; ++i) {
      const double v = m_samples[i];
      if (q.lo <= v && v <= q.hi) q.Take(i, i, v, v);
    }
    return;
  }
  const std::size_t childSpan = span / kFanOut;
  for (std::size_t c = from / childSpan; c <= to / childSpan; ++c) Visit(q, level - 1, c);
}

const MinMaxPyramid& PyramidCache::For(const std::vector<double>& samples) {
  const auto same = [&](const std::unique_ptr<MinMaxPyramid>& p) {
    return p->samples().data() == samples.data() && p->samples().size() == samples.size();
  };
  auto it = std::find_if(m_entries.begin(), m_entries.end(), same);
  if (it == m_entries.end()) {
    if (m_entries.size() == kKept) m_entries.erase(m_entries.begin());
    m_entries.push_back(std::make_unique<MinMaxPyramid>(samples));
  } else {
    std::rotate(it, it + 1, m_entries.end());
  }
  return *m_entries.back();
}

}  // namespace velk
