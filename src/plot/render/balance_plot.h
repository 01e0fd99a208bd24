#pragma once
// Drawing of the two force-balance kinds: both forces against time (front red, back blue), and the
// equilibrium ratio against time with dotted lines at ±5 %. The axes are drawn by the caller.

#include <QPainter>

#include "plot/core/plot_geometry.h"
#include "plot/core/view_model.h"

namespace velk {

struct RenderOptions;

// Draws kind 13 or 14 of vm inside the axes of m.
void DrawBalanceCurves(QPainter& p, const PlotMetrics& m, const ViewModel& vm,
                       const RenderOptions& o);

}  // namespace velk
