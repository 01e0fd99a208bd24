#include "cli/reduce_plot.h"

#include <CLI/CLI.hpp>
#include <QGuiApplication>
#include <charconv>
#include <clocale>
#include <memory>
#include <optional>

#include "analysis/result_uncertainty.h"
#include "cli/reduce_cli.h"
#include "plot/core/view_model.h"
#include "plot/render/plot_export.h"
#include "record/tr_noop.h"

namespace velk::cli {

namespace {

bool ParseInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, value);
  return r.ec == std::errc() && r.ptr == end;
}

bool ParseSize(const std::string& text, int& w, int& h) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  return ParseInt(text.substr(0, x), w) && ParseInt(text.substr(x + 1), h) && w > 0 && h > 0 &&
         w <= 20000 && h <= 20000;
}

// Drawing text needs a GUI application; a batch run draws offscreen, display or not.
void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "velk-reduce";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
  // Qt adopts the user's locale for the C runtime; keep numbers written with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace

void AddPlotOptions(CLI::App& app, PlotRequest& p) {
  app.add_option("--plot", p.plot,
                 VELK_TRANSLATE_NOOP("velk",
                                     "write the plot of curve kind KIND (3..12) to FILE (.png, "
                                     ".svg or .pdf); may be given several times"))
      ->expected(2)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->type_name("KIND FILE")
      ->group(VELK_TRANSLATE_NOOP("velk", "Plot"));
  app.add_option("--size", p.size,
                 VELK_TRANSLATE_NOOP("velk",
                                     "size in pixels of the plot before it, WxH (default "
                                     "690x490); before the first --plot, of every plot without "
                                     "its own"))
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->type_name("WxH")
      ->group(VELK_TRANSLATE_NOOP("velk", "Plot"));
}

namespace {

// Each --size to the --plot before it, or, before the first --plot, to every plot without one.
std::string AssignSizes(const CLI::App& app, PlotRequest& p) {
  constexpr const char* kTwice =
      VELK_TRANSLATE_NOOP("velk", "--size follows the --plot whose size it sets, once");
  std::string shared = "690x490";
  bool sharedGiven = false;
  std::vector<std::optional<std::string>> own;
  std::size_t plotValues = 0, sizes = 0;
  for (const CLI::Option* opt : app.parse_order()) {
    if (opt->get_name() == "--plot") {
      // Every value of an occurrence is listed; a plot is complete with its second value.
      if (++plotValues % 2 == 0) own.emplace_back();
    } else if (opt->get_name() == "--size" && sizes < p.size.size()) {
      const std::string& size = p.size[sizes++];
      if (own.empty()) {
        if (sharedGiven) return kTwice;
        shared = size;
        sharedGiven = true;
      } else {
        if (own.back()) return kTwice;
        own.back() = size;
      }
    }
  }
  p.plotSizes.clear();
  for (const auto& size : own) p.plotSizes.push_back(size.value_or(shared));
  return {};
}

}  // namespace

std::string CheckPlotOptions(const CLI::App& app, PlotRequest& p) {
  int w = 0, h = 0;
  for (const std::string& size : p.size) {
    if (!ParseSize(size, w, h))
      return VELK_TRANSLATE_NOOP("velk", "--size takes WxH in pixels, for example 690x490");
  }
  if (p.plot.size() % 2 != 0)
    return VELK_TRANSLATE_NOOP("velk", "--plot takes a curve kind from 3 to 12 and a file name");
  for (std::size_t i = 0; i < p.count(); ++i) {
    int kind = 0;
    if (!ParseInt(p.kind(i), kind) || kind < kFirstCurveKind || kind > kLastCurveKind) {
      return VELK_TRANSLATE_NOOP("velk", "--plot takes a curve kind from 3 to 12 and a file name");
    }
    if (!PlotFileKindOf(QString::fromStdString(p.file(i)))) {
      return VELK_TRANSLATE_NOOP("velk", "--plot writes .png, .svg or .pdf files");
    }
  }
  return AssignSizes(app, p);
}

namespace {

int WriteOnePlot(const std::string& kindText, const std::string& file, const std::string& size,
                 ReduceSession& s) {
  int kind = 0, w = 0, h = 0;
  if (!ParseInt(kindText, kind) || !ParseSize(size, w, h)) return kExitFailed;
  CVelkDoc& doc = *s.doc;
  if (kind > kProcessedWave && !doc.ws().Has(kResultsComputed)) {
    s.ui.ShowMessage(VELK_TRANSLATE_NOOP(
                         "velk", "Curve kind %1 shows computed results; there are none to plot."),
                     {std::to_string(kind)});
    return kExitFailed;
  }
  EnsureGuiApplication();
  // The same scale records the desktop view would hold for this test.
  ViewModel vm(doc);
  vm.InitialUpdate();
  if (doc.ws().Has(kResultsComputed)) vm.ScaleResults();
  vm.SelectCurve(kind, doc.m_chooser.showUnsmoothedChecked ? 1 : 0,
                 doc.m_chooser.showSmoothedChecked ? 1 : 0);
  // A band exists only when --uncertainty asked for one.
  vm.m_showBand = CurrentUncertainty(doc) != nullptr ? 1 : 0;
  QString error;
  if (!ExportPlot(vm, QString::fromStdString(file), QSize(w, h), &error)) {
    s.ui.ShowMessage("%1", {error.toStdString()});
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

int WritePlot(const PlotRequest& p, ReduceSession& s) {
  if (!s.doc) return kExitDone;
  for (std::size_t i = 0; i < p.count() && i < p.plotSizes.size(); ++i) {
    const int status = WriteOnePlot(p.kind(i), p.file(i), p.plotSizes[i], s);
    if (status != kExitDone) return status;
  }
  return kExitDone;
}

}  // namespace velk::cli
