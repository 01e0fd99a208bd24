#include "plot/core/column_extents.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velk {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Both mappings give a pixel for every sample under a scale that CanSummarizeColumns accepts
// (NaN values never get here), so the optionals are always set.
int Column(const ScaleRecord& s, const PlotMetrics& m, std::size_t i) {
  return Px(s, m, static_cast<double>(i)).value_or(0);
}
int Row(const ScaleRecord& s, const PlotMetrics& m, double y) { return Py(s, m, y).value_or(0); }

// The last sample index in [i, last] whose column is that of i: a galloping search, since the
// columns are narrow when zoomed in and wide when a long wave is shown whole.
std::size_t LastInColumn(const ScaleRecord& s, const PlotMetrics& m, std::size_t i,
                         std::size_t last) {
  const int x = Column(s, m, i);
  std::size_t in = i, out = last + 1;
  for (std::size_t step = 1;; step *= 2) {
    const std::size_t probe = in + step;
    if (probe > last || Column(s, m, probe) != x) {
      out = std::min(probe, last + 1);
      break;
    }
    in = probe;
  }
  while (out - in > 1) {
    const std::size_t mid = in + (out - in) / 2;
    (Column(s, m, mid) == x ? in : out) = mid;
  }
  return in;
}

}  // namespace

bool CanSummarizeColumns(const ScaleRecord& s, const PlotMetrics& m) {
  return std::isfinite(s.xStart) && std::isfinite(s.xRange) && s.xRange > 0 &&
         std::isfinite(s.yStart) && std::isfinite(s.yEnd) && std::isfinite(s.yRange) &&
         s.yRange > 0 && m.W - 60 > 0 && m.H - 30 > 0;
}

std::vector<ColumnExtent> SummarizeColumns(const MinMaxPyramid& p, int first, int last,
                                           const ScaleRecord& s, const PlotMetrics& m,
                                           SampleRule rule) {
  std::vector<ColumnExtent> out;
  const auto samples = p.samples();
  if (samples.empty() || first < 0 || last < first) return out;
  const std::size_t end = std::min(static_cast<std::size_t>(last), samples.size() - 1);
  const bool limits = rule == SampleRule::kWithinYLimits;
  const double lo = limits ? s.yStart : -kInf, hi = limits ? s.yEnd : kInf;
  // The drawing starts at the first sample that is a number, whatever its value.
  const MinMaxPyramid::Extent start = p.Find(static_cast<std::size_t>(first), end, -kInf, kInf);
  if (start.empty()) return out;
  std::size_t i = static_cast<std::size_t>(start.first);
  bool started = false;
  while (i <= end) {
    const std::size_t columnEnd = LastInColumn(s, m, i, end);
    ColumnExtent c{Column(s, m, i), 0, 0, 0, 0};
    bool drawn = false;
    std::size_t from = i;
    if (!started) {
      const int r = Row(s, m, samples[i]);
      c.first = c.low = c.high = c.last = r;
      drawn = started = true;
      ++from;
    }
    if (from <= columnEnd) {
      const MinMaxPyramid::Extent e = p.Find(from, columnEnd, lo, hi);
      if (!e.empty()) {
        const int a = Row(s, m, e.min), b = Row(s, m, e.max);
        const int lastRow = Row(s, m, samples[static_cast<std::size_t>(e.last)]);
        if (!drawn)
          c.first = c.low = c.high = Row(s, m, samples[static_cast<std::size_t>(e.first)]);
        c.low = std::min({c.low, a, b});
        c.high = std::max({c.high, a, b});
        c.last = lastRow;
        drawn = true;
      }
    }
    if (drawn) out.push_back(c);
    i = columnEnd + 1;
  }
  return out;
}

}  // namespace velk
