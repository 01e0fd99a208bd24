// The window method, the computation (command 32807) and the curve tools that follow it, each
// driven through the program's own commands with the operator's answers taken from the command
// line.

#include <CLI/CLI.hpp>
#include <variant>

#include "cli/reduce_cli.h"
#include "record/tr_noop.h"
#include "reduction/calculate.h"
#include "reduction/smoothing.h"
#include "tools/curve_tools.h"
#include "tools/session_commands.h"

namespace velk::cli {

namespace {

// Codes of the method dialog "数据计算" for methods 1, 2 and 3.
constexpr int kMethodCodeOffset = 3;

CLI::Option* AddTool(CLI::App& app, const char* name, std::vector<int>& values, const char* type,
                     const char* help) {
  // One value per occurrence; every occurrence is kept and runs in its place in the line.
  return app.add_option(name, values, help)
      ->type_size(1)
      ->expected(1)
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->type_name(type)
      ->group(VELK_TRANSLATE_NOOP("velk", "After the computation, in command-line order"));
}

}  // namespace

void AddComputeOptions(CLI::App& app, ReduceOptions& o) {
  const char* group = VELK_TRANSLATE_NOOP("velk", "Window method (default 2)");
  app.add_option(
         "--method", o.method,
         VELK_TRANSLATE_NOOP(
             "velk",
             "1 points picked on the waves (--picks), 2 automatic alignment of the peaks, 3 "
             "typed windows (--windows)"))
      ->check(CLI::Range(1, 3))
      ->type_name("1|2|3")
      ->group(group);
  app.add_option(
         "--picks", o.picks,
         VELK_TRANSLATE_NOOP(
             "velk",
             "Method 1: a sample at or after the peak of the incident wave, the trough of the "
             "reflected wave and the peak of the transmitted wave"))
      ->expected(3)
      ->type_name("PI PR PT")
      ->group(group);
  app.add_option(
         "--windows", o.windows,
         VELK_TRANSLATE_NOOP(
             "velk", "Method 3: incident, reflected and transmitted window start and end samples"))
      ->expected(6)
      ->type_name("IS IE RS RE TS TE")
      ->group(group);
  app.add_option(
         "--smooth-waves", o.smoothWaves,
         VELK_TRANSLATE_NOOP(
             "velk", "Smooth both recorded waves (P points, one pass) and calculate from them"))
      ->type_name("P")
      ->group(group);
  AddTool(app, "--smooth", o.smooth, "P",
          VELK_TRANSLATE_NOOP(
              "velk",
              "Smooth the six result curves with P points (passes compound, as with the smoothed "
              "curves shown)"));
  AddTool(app, "--cut", o.cut, "I",
          VELK_TRANSLATE_NOOP("velk", "End every result curve at point I"));
  AddTool(app, "--straighten", o.straighten, "C",
          VELK_TRANSLATE_NOOP(
              "velk",
              "Straighten the foot of the engineering stress-strain curve around centre point C"));
}

void CollectCurveTools(const CLI::App& app, ReduceOptions& o) {
  o.tools.clear();
  std::size_t next[3] = {0, 0, 0};
  const std::pair<const char*, CurveTool> names[3] = {{"--smooth", CurveTool::kSmooth},
                                                      {"--cut", CurveTool::kCut},
                                                      {"--straighten", CurveTool::kStraighten}};
  std::vector<int>* values[3] = {&o.smooth, &o.cut, &o.straighten};
  for (const CLI::Option* opt : app.parse_order()) {
    for (int t = 0; t < 3; ++t) {
      if (opt->get_name() != names[t].first || next[t] >= values[t]->size()) continue;
      o.tools.push_back({names[t].second, (*values[t])[next[t]++]});
    }
  }
}

int Compute(const ReduceOptions& o, ReduceSession& s) {
  CVelkDoc& doc = *s.doc;
  BatchInteraction& ui = s.ui;
  if (o.smoothWaves) {
    // The smoothing dialog opened on the recorded waves: total points n, one press of "光滑".
    if (!JournaledSmoothing(doc, *o.smoothWaves, doc.pointCount(), ui)) return kExitFailed;
  }
  ui.methodAnswers = {o.Method() + kMethodCodeOffset};
  if (o.Method() == 1) {
    ui.pickAnswers = {o.picks[0], o.picks[1], o.picks[2]};
  } else if (o.Method() == 3) {
    ui.sheetAnswers.push_back([&o](Sheet& sheet) {
      for (SheetPage& page : sheet.pages) {
        auto* w = std::get_if<WavePosPage>(&page.data);
        if (w == nullptr) continue;
        w->incStart = o.windows[0];
        w->incEnd = o.windows[1];
        w->refStart = o.windows[2];
        w->refEnd = o.windows[3];
        w->trStart = o.windows[4];
        w->trEnd = o.windows[5];
        page.opened = true;
      }
      return true;
    });
  }
  const int result = JournaledCalculate(doc, ui);
  ui.pickAnswers.clear();
  ui.sheetAnswers.clear();
  if (result == kDone) return kExitDone;
  if (result == kCancelled && ui.messages.empty()) {
    // Nothing the command line gave was refused by the program, yet it stopped: say so rather
    // than fail in silence.
    ui.ShowMessage(VELK_TRANSLATE_NOOP(
        "velk", "The window method stopped before placing the windows; nothing was computed."));
  }
  return kExitFailed;
}

int RunCurveTools(const ReduceOptions& o, ReduceSession& s) {
  CVelkDoc& doc = *s.doc;
  BatchInteraction& ui = s.ui;
  for (const CurveToolStep& step : o.tools) {
    switch (step.tool) {
      case CurveTool::kSmooth:
        if (!JournaledSmoothing(doc, step.value, doc.m_lastResultIndex, ui)) return kExitFailed;
        break;
      case CurveTool::kCut: {
        const std::size_t before = ui.messages.size();
        ui.pickAnswers = {step.value};
        JournaledCut(doc, ui);
        ui.pickAnswers.clear();
        if (ui.messages.size() > before) return kExitFailed;
        break;
      }
      case CurveTool::kStraighten: {
        const std::size_t before = ui.messages.size();
        ui.pickAnswers = {step.value};
        JournaledStraighten(doc, ui);  // its prompt is dropped when the pick answers it
        ui.pickAnswers.clear();
        if (ui.messages.size() > before) return kExitFailed;
        break;
      }
    }
  }
  return kExitDone;
}

}  // namespace velk::cli
