#include "plot/core/plot_geometry.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace velk {

PlotMetrics MetricsForClient(int clientRight, int clientBottom) {
  PlotMetrics m;
  m.ty = (clientBottom - 90) / 10;
  m.tx = (clientRight - 90) / 10;
  m.H = 10 * m.ty + 30;
  m.W = 10 * m.tx + 60;
  return m;
}

namespace {
std::optional<int> ToPixel(double v) {
  if (std::isnan(v)) return std::nullopt;
  const double lim = kPixelLimit;
  if (v > lim) return kPixelLimit;
  if (v < -lim) return -kPixelLimit;
  return static_cast<int>(std::trunc(v));
}
}  // namespace

std::optional<int> Px(const ScaleRecord& s, const PlotMetrics& m, double x) {
  return ToPixel((x - s.xStart) * (m.W - 60) / s.xRange + 60);
}

std::optional<int> Py(const ScaleRecord& s, const PlotMetrics& m, double y) {
  return ToPixel((1 - (y - s.yStart) / s.yRange) * (m.H - 30) + 30);
}

int TruncToInt(double v) {
  if (std::isnan(v)) return 0;
  constexpr double hi = std::numeric_limits<int>::max();
  constexpr double lo = std::numeric_limits<int>::min();
  if (v >= hi) return std::numeric_limits<int>::max();
  if (v <= lo) return std::numeric_limits<int>::min();
  return static_cast<int>(std::trunc(v));
}

int IndexAtPixel(const ScaleRecord& s, const PlotMetrics& m, int x) {
  // A client area too small for a plot has no width to divide by; every pixel is then X start.
  if (m.W - 60 == 0) return TruncToInt(s.xStart);
  return TruncToInt((x - 60) * s.xRange / (m.W - 60) + s.xStart);
}

std::string FormatFixed(double v, int decimals) {
  if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  if (r.ec != std::errc()) return "?";
  return std::string(buf, r.ptr);
}

std::string FormatLabel(double v, int decimals) {
  if (decimals > 0) return FormatFixed(v, decimals);
  return std::to_string(TruncToInt(v));
}

}  // namespace velk
