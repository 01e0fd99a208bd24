#pragma once
// The per-pixel-column reduction of a curve drawn against its sample index, read from the
// curve's min/max pyramid instead of from every sample: for each pixel column that gets a drawn
// point, the pixel rows of its first, lowest, highest and last one. The rows are exactly those
// the samples themselves map to, because both the column and the row of a sample are monotone
// in its index and value, so the least and greatest value of a column give its extreme rows.

#include <vector>

#include "plot/core/minmax_pyramid.h"
#include "plot/core/plot_geometry.h"

namespace velk {

struct ColumnExtent {
  int x;
  int first, low, high, last;  // pixel rows
};

enum class SampleRule {
  kEveryNumber,    // every sample but NaN is drawn
  kWithinYLimits,  // the first sample that is a number, then those within the Y limits
};

// The scale maps every sample to a pixel and does so monotonically: finite limits and positive
// ranges on a plot area of positive size. Otherwise the samples must be read one by one.
bool CanSummarizeColumns(const ScaleRecord& s, const PlotMetrics& m);

// Columns of samples first..last (clamped to the pyramid's samples), left to right.
std::vector<ColumnExtent> SummarizeColumns(const MinMaxPyramid& p, int first, int last,
                                           const ScaleRecord& s, const PlotMetrics& m,
                                           SampleRule rule);

}  // namespace velk
