#include "plot/core/scale.h"

#include <algorithm>
#include <cmath>

#include "record/peak_search.h"

namespace velk {

int RoundUpNice(double& v) {
  // Zero, negative or non-finite extremes (an all-negative result curve, waves of one sign) would
  // never reach the mantissa range below; give such an axis the extent of 1.0 instead.
  if (!std::isfinite(v) || v <= 0.0) v = 1.0;
  int d = 0;
  while (v >= 100.0) {
    v = v * 0.1;
    ++d;
  }
  int m = 0;
  while (v < 10.0) {
    v = v * 10.0;
    ++m;
  }
  double r;
  if (v >= 40.0) {
    r = 5.0 * std::trunc(v * 0.2 + 1.0);
  } else if (v >= 20.0) {
    r = 2.0 * std::trunc(v * 0.5 + 1.0);
  } else {
    r = std::trunc(v + 1.0);
  }
  for (int i = 0; i < m; ++i) r = r * 0.1;
  for (int i = 0; i < d; ++i) r = r * 10.0;
  v = r;
  return d > 0 ? -d : m;
}

int DecimalsFromCode(int code) { return code >= 1 ? code + 1 : 0; }

namespace {

void SetSteps(ScaleRecord& s) {
  s.xRange = s.xEnd - s.xStart;
  s.xStep = 0.2 * s.xRange;
  s.yRange = s.yEnd - s.yStart;
  s.yStep = 0.2 * s.yRange;
}

// Largest value over 0..last, with last clamped to the array; 0 for an empty array.
double MaxOver(std::span<const double> a, int last) {
  if (a.empty()) return 0.0;
  last = std::clamp(last, 0, static_cast<int>(a.size()) - 1);
  return a[IndexOfMax(0, last, a)];
}

void WaveXAxis(ScaleRecord& s, int pointCount) {
  double v = pointCount * 0.1;
  RoundUpNice(v);
  s.xStart = -v;
  s.xEnd = 10.0 * v;
  s.xDecimals = 0;
}

// Truncation toward zero into a range where integer arithmetic is safe.
long long TruncClamped(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<long long>(std::trunc(std::clamp(v, -1e15, 1e15)));
}

}  // namespace

void ScaleRawWaves(ScaleRecord& s, std::span<const double> joined, int pointCount) {
  WaveXAxis(s, pointCount);
  const int last = static_cast<int>(joined.size()) - 1;
  const double mn = joined.empty() ? 0.0 : joined[IndexOfMin(0, last, joined)];
  const double mx = joined.empty() ? 0.0 : joined[IndexOfMax(0, last, joined)];
  s.yEnd = mx;
  RoundUpNice(s.yEnd);
  double t = -mn;
  const int c = RoundUpNice(t);
  s.yStart = -t;
  s.yDecimals = DecimalsFromCode(c);
  SetSteps(s);
}

void ScaleRecordFileWaves(ScaleRecord& s, std::span<const double> joined, int pointCount) {
  const int e = pointCount > 0 ? static_cast<int>(std::log2(static_cast<double>(pointCount))) : 0;
  s.xStart = -250.0 * (e - 10);
  s.xEnd = 250.0 * (e - 10) + 1000.0 * (pointCount / 1000);
  s.xDecimals = 0;
  // Below 1024 points the integer rule gives an empty or reversed axis; such short records take
  // the axis of the volt rule instead, so the whole wave stays on the plot.
  if (s.xEnd <= s.xStart) WaveXAxis(s, pointCount);
  const int last = static_cast<int>(joined.size()) - 1;
  const long long a = joined.empty() ? 0 : TruncClamped(joined[IndexOfMin(0, last, joined)]);
  const long long b = joined.empty() ? 0 : TruncClamped(joined[IndexOfMax(0, last, joined)]);
  s.yStart = 100.0 * static_cast<double>((a - 100) / 100);
  s.yEnd = 100.0 * static_cast<double>((b + 100) / 100);
  s.yDecimals = 0;
  SetSteps(s);
}

void ScaleIndexCurve(ScaleRecord& s, std::span<const double> curve, int lastIndex) {
  double v = lastIndex * 0.1;
  RoundUpNice(v);
  s.xStart = 0;
  s.xEnd = 10.0 * v;
  s.xDecimals = 0;
  s.yStart = 0;
  s.yEnd = MaxOver(curve, lastIndex);
  s.yDecimals = DecimalsFromCode(RoundUpNice(s.yEnd));
  SetSteps(s);
}

void ScaleXYCurve(ScaleRecord& s, std::span<const double> x, std::span<const double> y,
                  int lastIndex) {
  s.xStart = 0;
  s.xEnd = MaxOver(x, lastIndex);
  s.xDecimals = DecimalsFromCode(RoundUpNice(s.xEnd));
  s.yStart = 0;
  s.yEnd = MaxOver(y, lastIndex);
  s.yDecimals = DecimalsFromCode(RoundUpNice(s.yEnd));
  SetSteps(s);
}

void ScaleRatioCurve(ScaleRecord& s, std::span<const double> timeUs, std::span<const double> ratio,
                     int lastIndex) {
  s.xStart = 0;
  s.xEnd = MaxOver(timeUs, lastIndex);
  s.xDecimals = DecimalsFromCode(RoundUpNice(s.xEnd));
  double up = 0.1, down = 0.1;
  const std::size_t n = std::min<std::size_t>(ratio.size(), std::max(lastIndex + 1, 0));
  for (std::size_t i = 0; i < n; ++i) {
    if (std::isnan(ratio[i])) continue;
    up = std::max(up, ratio[i]);
    down = std::max(down, -ratio[i]);
  }
  // Five steps: three on the side that reaches further, two on the other.
  const double steps[] = {0.02, 0.05, 0.1, 0.2, 0.5, 1.0};
  const int decimals[] = {2, 2, 1, 1, 1, 0};
  int k = 0;
  while (k < 5 && (3 * steps[k] < std::max(up, down) || 2 * steps[k] < std::min(up, down))) ++k;
  const double step = steps[k];
  s.yEnd = (up >= down ? 3 : 2) * step;
  s.yStart = s.yEnd - 5 * step;
  s.yDecimals = decimals[k];
  SetSteps(s);
}

}  // namespace velk
