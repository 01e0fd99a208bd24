#pragma once
// velk-reduce --plot KIND FILE [--size WxH]: the desktop program's plot of one curve kind as a
// PNG, SVG or PDF file, drawn by the same code as the screen.

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace velk::cli {

struct ReduceSession;

struct PlotRequest {
  std::vector<std::string> plot;  // KIND FILE, empty when no plot is asked for
  std::string size = "690x490";   // client area in pixels, WxH
};

void AddPlotOptions(CLI::App& app, PlotRequest& p);
// Usage problems of the plot options; an empty text when there is none.
std::string CheckPlotOptions(const PlotRequest& p);
// Writes the asked plot; kExitDone, or kExitFailed after the program's message went to the
// session's interaction.
int WritePlot(const PlotRequest& p, ReduceSession& s);

}  // namespace velk::cli
