#pragma once
// Draws the plot of a ViewModel through a QPainter, so the screen, the printer and the image
// files all get the same picture from the same code.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRectF>
#include <QSize>
#include <vector>

#include "plot/core/plot_geometry.h"

namespace velk {

class ViewModel;

struct RenderOptions {
  // Draw each pixel column of a curve as its first, lowest, highest and last point instead of
  // one segment per sample; with one-pixel pens and no antialiasing the pixels are the same.
  bool decimate = true;
  // Take that reduction of a curve drawn against its sample index from the min/max pyramid of
  // its array, at a cost per pixel column instead of per sample; the points are the same.
  bool fromPyramid = true;
  // One-pixel pens on the device (screen, PNG). Off: pens one client unit wide, for pictures
  // that are scaled onto a page (printer, PDF, SVG), so lines stay visible at any resolution.
  bool cosmeticPens = true;
  // Erase the client area to the window colour first.
  bool fillBackground = true;
};

// The label font ("LinePrinter" where installed, a fixed-pitch face otherwise) and the text font
// ("宋体" where installed, a face with Chinese glyphs otherwise): 16 pixels, bold.
QFont LabelFont();
QFont TextFont();

// The whole picture for a client area of clientSize pixels: the two-channel display, or the axes
// with the unsmoothed and smoothed curves and the baseline marks.
void RenderPlot(QPainter& p, QSize clientSize, const ViewModel& vm, const RenderOptions& o = {});

// The client-size picture scaled onto target, keeping its aspect, anchored at target's top-left.
void RenderPlotFitted(QPainter& p, const QRectF& target, QSize clientSize, const ViewModel& vm,
                      const RenderOptions& o);

// The picture as an RGB32 image of size pixels.
QImage RenderPlotImage(const ViewModel& vm, QSize size, const RenderOptions& o = {});

// The points the curve (unsmoothed or smoothed) is drawn through, in drawing order: the first
// visible point, then every later point within the Y limits; decimated when asked, the
// decimation read from the array's pyramid where it can be.
std::vector<QPoint> CurvePolyline(const ViewModel& vm, const PlotMetrics& m, bool smoothed,
                                  bool decimate, bool fromPyramid = true);

// The 23 x 23 pick cursor: black, with a yellow circle touching the edges and a cross-hair
// through the centre whose pixels alternate yellow and dark red.
const QImage& PickCursorImage();
inline constexpr int kCursorSize = 23;
// Combines the cursor into img by exclusive-or with its top-left corner at topLeft; doing it
// twice at the same place restores img. Parts outside img are left out.
void XorCursor(QImage& img, QPoint topLeft);

}  // namespace velk
