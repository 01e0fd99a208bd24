#pragma once
// The plot as a file: PNG, SVG or PDF, drawn by the same code as the screen.

#include <QSize>
#include <QString>
#include <optional>

namespace velk {

class ViewModel;

enum class PlotFileKind { kPng, kSvg, kPdf };

// The file kind a path's extension names (.png, .svg, .pdf, any case); nullopt otherwise.
std::optional<PlotFileKind> PlotFileKindOf(const QString& path);

// Writes the picture of a client area of size pixels. On failure returns false and, when error
// is given, the message for the operator.
bool ExportPlot(const ViewModel& vm, PlotFileKind kind, const QString& path, QSize size,
                QString* error = nullptr);
// The same, with the kind taken from the path's extension.
bool ExportPlot(const ViewModel& vm, const QString& path, QSize size, QString* error = nullptr);

}  // namespace velk
