#pragma once
// velk-reduce --plot KIND FILE [--size WxH], as often as wanted: the desktop program's plot of a
// curve kind as a PNG, SVG or PDF file, drawn by the same code as the screen. A --size sets the
// size of the --plot it follows; one given before the first --plot sets that of every plot
// without a size of its own.

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace velk::cli {

struct ReduceSession;

struct PlotRequest {
  std::vector<std::string> plot;  // KIND FILE of every --plot, in command-line order
  std::vector<std::string> size;  // every --size, in command-line order
  // The client area of each plot in pixels, WxH; filled by CheckPlotOptions.
  std::vector<std::string> plotSizes;

  std::size_t count() const { return plot.size() / 2; }
  const std::string& kind(std::size_t i) const { return plot[2 * i]; }
  const std::string& file(std::size_t i) const { return plot[2 * i + 1]; }
};

void AddPlotOptions(CLI::App& app, PlotRequest& p);
// Usage problems of the plot options; an empty text when there is none. Gives each plot its
// size, from the order of the options on the command line.
std::string CheckPlotOptions(const CLI::App& app, PlotRequest& p);
// Writes the asked plots in command-line order; kExitDone, or kExitFailed after the program's
// message went to the session's interaction.
int WritePlot(const PlotRequest& p, ReduceSession& s);

}  // namespace velk::cli
