#pragma once
// The picture of a comparison of repeat tests: each test's stress–strain curve in its own colour,
// the mean curve in black over a light band of ±1 standard deviation, axes and a legend. Drawn by
// the same code on the screen and into PNG, SVG and PDF files.

#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "analysis/comparison.h"
#include "record/file_io.h"

namespace velk {

struct ComparisonPicture {
  std::vector<StressStrainCurve> curves;
  std::optional<MeanCurve> mean;
  bool trueCurves = false;
};

// The colour of the k-th test's curve (repeats after ten).
QColor ComparisonColor(std::size_t k);

// Draws into area. cosmeticPens: one-pixel lines on the device (screen, PNG); off for pictures
// scaled onto a page (SVG, PDF).
void DrawComparison(QPainter& p, const QRectF& area, const ComparisonPicture& pic,
                    bool cosmeticPens = true);

// Writes the picture of size pixels as PNG, SVG or PDF, by path's extension, through a temporary
// file renamed into place. On failure the message (context "velk") names the path.
FileResult ExportComparison(const ComparisonPicture& pic, const std::string& path, QSize size);

}  // namespace velk
