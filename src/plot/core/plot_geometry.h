#pragma once
// Where things fall on the plot: the plot metrics of a client area, the value-to-pixel mapping
// through a scale record and its inverse, and the label texts. Drawing, the baseline drag and the
// point pick all go through these, so a value lands on the same pixel everywhere.

#include <optional>
#include <string>

#include "plot/core/scale.h"

namespace velk {

// Plot metrics of a client area: tx and ty are a tenth of the plot area's width and height, H the
// pixel y of the X axis, W the pixel x of the X axis' right end. The plot area spans x 60..W and
// y 30..H.
struct PlotMetrics {
  int tx = 0, ty = 0, H = 0, W = 0;
};
PlotMetrics MetricsForClient(int clientRight, int clientBottom);

// Pixel coordinates are kept within +-kPixelLimit: far-off points still pull their line the
// right way without overflowing an int or the rasteriser.
inline constexpr int kPixelLimit = 10'000'000;

// Pixel x and y of a value, truncated toward zero; nullopt when the value (or the scale) gives
// no finite position.
std::optional<int> Px(const ScaleRecord& s, const PlotMetrics& m, double x);
std::optional<int> Py(const ScaleRecord& s, const PlotMetrics& m, double y);

// Point index under pixel column x (the inverse of Px), truncated toward zero.
int IndexAtPixel(const ScaleRecord& s, const PlotMetrics& m, int x);

// Truncation toward zero into an int; NaN gives 0, values beyond int saturate.
int TruncToInt(double v);

// "%f"-style text with the given digits after the point, independent of the C locale.
std::string FormatFixed(double v, int decimals);
// A tick label: "%.*f" with the axis decimals when they are above 0, else the value truncated
// and printed as an integer.
std::string FormatLabel(double v, int decimals);

}  // namespace velk
