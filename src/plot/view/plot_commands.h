#pragma once
// Commands on the plot that need a window of their own.

class QWidget;

namespace velk {

class CVelkView;

// "File > Export plot...": asks for a PNG, SVG or PDF file and writes the view's picture at the
// view's size. Returns whether a file was written; failures are reported to the operator.
bool ExportCurrentPlot(QWidget* parent, CVelkView& view);

}  // namespace velk
