// Files written after the computation, and the summary.

#include <CLI/CLI.hpp>

#include "cli/reduce_cli.h"
#include "record/file_io.h"
#include "record/param_file.h"
#include "record/tr_noop.h"
#include "tools/json_text.h"
#include "tools/result_file.h"

namespace velk::cli {

void AddOutputOptions(CLI::App& app, ReduceOptions& o) {
  app.add_option("--dt2", o.dt2,
                 VELK_TRANSLATE_NOOP("velk", "Write engineering strain and stress (.DT2 layout)"))
      ->type_name("FILE")
      ->group(VELK_TRANSLATE_NOOP("velk", "Outputs"));
  app.add_option("--dt3", o.dt3,
                 VELK_TRANSLATE_NOOP(
                     "velk", "Write engineering strain, stress and strain rate (.DT3 layout)"))
      ->type_name("FILE")
      ->group(VELK_TRANSLATE_NOOP("velk", "Outputs"));
  app.add_option(
         "--dt4", o.dt4,
         VELK_TRANSLATE_NOOP("velk", "Write true strain, stress and strain rate (.DT4 layout)"))
      ->type_name("FILE")
      ->group(VELK_TRANSLATE_NOOP("velk", "Outputs"));
  app.add_option("--save-params", o.saveParams,
                 VELK_TRANSLATE_NOOP(
                     "velk", "Write the parameter file, as the save-parameter-file command does"))
      ->type_name("FILE")
      ->group(VELK_TRANSLATE_NOOP("velk", "Outputs"));
  app.add_flag("--json", o.json,
               VELK_TRANSLATE_NOOP("velk", "Print a summary of the test as one JSON object"))
      ->group(VELK_TRANSLATE_NOOP("velk", "Outputs"));
}

int WriteOutputs(const ReduceOptions& o, ReduceSession& s) {
  // Every output path (the plot's too, written next) is checked before any file is written, so a
  // bad one fails the run with all the earlier files kept.
  for (const std::string* path :
       {&o.dt2, &o.dt3, &o.dt4, &o.saveParams, &o.summary, &o.xlsx, &o.csv}) {
    if (!path->empty() && !CheckWritable(*path).Report(s.ui)) return kExitFailed;
  }
  for (std::size_t i = 0; i < o.plot.count(); ++i) {
    if (!CheckWritable(o.plot.file(i))) {
      s.ui.ShowMessage(VELK_TRANSLATE_NOOP("velk", "The plot could not be written to %1."),
                       {o.plot.file(i)});
      return kExitFailed;
    }
  }
  // Result files come from the smoothed curves, as the save commands write them.
  const std::pair<const std::string*, int> results[3] = {{&o.dt2, 2}, {&o.dt3, 3}, {&o.dt4, 4}};
  for (const auto& [path, kind] : results) {
    if (path->empty()) continue;
    if (!WriteResultFile(*path, *s.doc, kind).Report(s.ui)) return kExitFailed;
  }
  if (!o.saveParams.empty()) {
    if (!StoreParameterFile(o.saveParams, s.ws).Report(s.ui)) return kExitFailed;
  }
  return kExitDone;
}

std::string SummaryJson(const ReduceSession& s) {
  const CVelkDoc& d = *s.doc;
  const TestParameters& p = s.ws.params;
  const bool computed = s.ws.Has(kResultsComputed);
  Json j;
  j["point_count"] = d.m_pointCount;
  j["baselines"] = {d.m_incBaseStart, d.m_incBaseEnd, d.m_trBaseStart, d.m_trBaseEnd};
  j["baseline_means"] = {d.m_incBaseMean, d.m_trBaseMean};
  // The record's windows exist once a window method has placed them.
  if (computed || d.m_chooser.processedEnabled) {
    j["windows"] = d.m_windows;
  } else {
    j["windows"] = nullptr;
  }
  j["window_indices"] = p.windowIndices;
  if (computed) {
    j["last_result_index"] = d.m_lastResultIndex;
  } else {
    j["last_result_index"] = nullptr;
  }
  j["flags"] = s.ws.flags;
  j["conversion_factors"] = {p.channel[kIncident].factor, p.channel[kTransmitted].factor};
  j["model"] = d.m_setup.computeModel;
  j["bar"] = {{"wave_speed", static_cast<double>(p.barWaveSpeedMs)},
              {"modulus", static_cast<double>(p.barModulusMpa)},
              {"area", p.barAreaMm2}};
  const bool twin = !p.trBarDiffers;
  j["transmission_bar"] = {
      {"wave_speed", static_cast<double>(twin ? p.barWaveSpeedMs : p.trBarWaveSpeedMs)},
      {"modulus", static_cast<double>(twin ? p.barModulusMpa : p.trBarModulusMpa)},
      {"area", twin ? p.barAreaMm2 : p.trBarAreaMm2}};
  j["result_limit"] = d.m_resultLimit;
  // Only a test with the correction asked for carries the key, so other summaries stay as they
  // were; "applied" says whether the results on hand were corrected.
  if (p.dispersionCorrection) {
    j["dispersion"] = {{"applied", computed},
                       {"gauge_distance_inc", static_cast<double>(p.incGaugeDistanceMm)},
                       {"gauge_distance_tr", static_cast<double>(p.trGaugeDistanceMm)}};
  }
  return JsonText(j);
}

}  // namespace velk::cli
