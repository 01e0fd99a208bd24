// Parameters applied after opening, in the order the contract fixes.

#include <CLI/CLI.hpp>
#include <variant>

#include "cli/reduce_cli.h"
#include "record/param_file.h"
#include "record/tr_noop.h"
#include "reduction/conditioning.h"

namespace velk::cli {

void AddParameterOptions(CLI::App& app, ReduceOptions& o) {
  const char* group = VELK_TRANSLATE_NOOP(
      "velk", "Parameters (applied after opening: --params first, then the others)");
  app.add_option(
         "--params", o.params,
         VELK_TRANSLATE_NOOP(
             "velk",
             "Parameter file to load after opening, as the open-parameter-file command does"))
      ->type_name("FILE.PAT")
      ->group(group);
  app.add_option("--sampling-mhz", o.samplingMhz,
                 VELK_TRANSLATE_NOOP("velk", "Sampling frequency, MHz"))
      ->check(CLI::PositiveNumber)
      ->type_name("F")
      ->group(group);
  app.add_option("--specimen-diameter", o.specimenDiameterMm,
                 VELK_TRANSLATE_NOOP("velk", "Specimen diameter, mm"))
      ->type_name("MM")
      ->group(group);
  app.add_option("--specimen-thickness", o.specimenThicknessMm,
                 VELK_TRANSLATE_NOOP("velk", "Specimen thickness, mm"))
      ->type_name("MM")
      ->group(group);
  app.add_option(
         "--specimen-wave-speed", o.specimenWaveSpeedMs,
         VELK_TRANSLATE_NOOP("velk", "Wave speed in the specimen, m/s (0: no transit shift)"))
      ->type_name("MS")
      ->group(group);
  app.add_option("--matrix-wave-speed", o.matrixWaveSpeedMs,
                 VELK_TRANSLATE_NOOP("velk", "Wave velocity in the matrix, m/s (foam model)"))
      ->type_name("MS")
      ->group(group);
  app.add_option("--striker-velocity", o.strikerVelocityMs,
                 VELK_TRANSLATE_NOOP("velk", "Striker velocity, m/s"))
      ->type_name("MS")
      ->group(group);
  app.add_option(
         "--bar-material", o.barMaterial,
         VELK_TRANSLATE_NOOP(
             "velk", "Bar material: 0 steel, 1 aluminium, or the name of a bar-library row"))
      ->type_name("0|1|NAME")
      ->group(group);
  app.add_option(
         "--bar-diameter", o.barDiameter,
         VELK_TRANSLATE_NOOP(
             "velk", "Bar diameter: 0 80 mm, 1 40 mm, 2 16 mm, or the name of a bar-library row"))
      ->type_name("0|1|2|NAME")
      ->group(group);
  app.add_option(
         "--model", o.model,
         VELK_TRANSLATE_NOOP(
             "velk",
             "Compute model: 0 incident & transmitted, 1 incident & reflected, 2 reflected & "
             "transmitted, 3 three waves, 4 three waves (foam)"))
      ->check(CLI::Range(0, 4))
      ->type_name("0..4")
      ->group(group);
  app.add_flag("--dispersion", o.dispersion,
               VELK_TRANSLATE_NOOP("velk",
                                   "Correct each windowed pulse for the dispersion of its bar "
                                   "between gauge and specimen face"))
      ->group(group);
  app.add_option("--gauge-distance-inc", o.gaugeDistanceInc,
                 VELK_TRANSLATE_NOOP(
                     "velk", "Distance from the incident bar's gauge to the specimen face, mm"))
      ->type_name("MM")
      ->group(group);
  app.add_option("--gauge-distance-tr", o.gaugeDistanceTr,
                 VELK_TRANSLATE_NOOP(
                     "velk", "Distance from the transmission bar's gauge to the specimen face, mm"))
      ->type_name("MM")
      ->group(group);
  auto* fi =
      app.add_option("--factor-inc", o.factorInc,
                     VELK_TRANSLATE_NOOP(
                         "velk", "Incident conversion factor, microstrain per unit, set directly"))
          ->type_name("K")
          ->group(group);
  auto* ft =
      app.add_option(
             "--factor-tr", o.factorTr,
             VELK_TRANSLATE_NOOP(
                 "velk", "Transmitted conversion factor, microstrain per unit, set directly"))
          ->type_name("K")
          ->group(group);
  app.add_option(
         "--bridge-inc", o.bridgeInc,
         VELK_TRANSLATE_NOOP(
             "velk",
             "Incident bridge: the factor 4e6 / (GAIN x VOLT x GF x ARMS) as the bridge page "
             "shows it (\"%f\")"))
      ->expected(4)
      ->type_name("ARMS VOLT GAIN GF")
      ->excludes(fi)
      ->group(group);
  app.add_option("--bridge-tr", o.bridgeTr,
                 VELK_TRANSLATE_NOOP("velk", "Transmitted bridge, as --bridge-inc"))
      ->expected(4)
      ->type_name("ARMS VOLT GAIN GF")
      ->excludes(ft)
      ->group(group);
  app.add_option(
         "--baseline-inc", o.baselineInc,
         VELK_TRANSLATE_NOOP(
             "velk", "Incident baseline range, samples START..END inclusive (mean recomputed)"))
      ->expected(2)
      ->type_name("S E")
      ->group(group);
  app.add_option("--baseline-tr", o.baselineTr,
                 VELK_TRANSLATE_NOOP("velk", "Transmitted baseline range, as --baseline-inc"))
      ->expected(2)
      ->type_name("S E")
      ->group(group);
}

namespace {

// The bridge sheet of command 32805 with the given pages edited, as the operator would type
// them; a channel without values keeps its page unopened and its previous values.
void ApplyBridges(const ReduceOptions& o, ReduceSession& s) {
  s.ui.sheetAnswers.push_back([&o](Sheet& sheet) {
    const std::vector<double>* given[2] = {&o.bridgeInc, &o.bridgeTr};
    for (std::size_t c = 0; c < 2 && c < sheet.pages.size(); ++c) {
      auto* page = std::get_if<ParameterPage>(&sheet.pages[c].data);
      if (page == nullptr || given[c]->empty()) continue;
      page->arms = (*given[c])[0];
      page->bridgeVoltage = (*given[c])[1];
      page->gain = (*given[c])[2];
      page->gaugeFactor = (*given[c])[3];
      RecalculateFactor(*page);
      sheet.pages[c].opened = true;
    }
    return true;
  });
  OnBridgeParameters(*s.doc, s.ui);
  // A sheet the command did not run (it never does on CS20000 tests) must not answer a later one.
  s.ui.sheetAnswers.clear();
}

}  // namespace

int ApplyParameters(const ReduceOptions& o, ReduceSession& s) {
  CVelkDoc& doc = *s.doc;
  TestParameters& p = s.ws.params;
  SetupFields& f = doc.m_setup;
  if (!o.params.empty()) {
    if (!LoadParameterFile(o.params, s.ws).Report(s.ui)) return kExitFailed;
    doc.LoadParametersIntoSetup();
    s.ws.Clear(kParamFileFound);
    s.ws.Set(kHandPickedParams | kBridgeParams);
  }
  // Each value goes where the setup dialog puts an edit: its own field and the test parameter.
  if (o.samplingMhz) {
    f.samplingMhz = p.samplingMhz = static_cast<float>(*o.samplingMhz);
    p.sampleIntervalUs = 1.0 / p.samplingMhz;
  }
  if (o.specimenDiameterMm) {
    f.specimenDiameterMm = p.specimenDiameterMm = static_cast<float>(*o.specimenDiameterMm);
  }
  if (o.specimenThicknessMm) {
    f.specimenThicknessMm = p.specimenThicknessMm = static_cast<float>(*o.specimenThicknessMm);
  }
  if (o.specimenWaveSpeedMs) {
    f.specimenWaveSpeedMs = p.specimenWaveSpeedMs = static_cast<float>(*o.specimenWaveSpeedMs);
  }
  if (o.matrixWaveSpeedMs) {
    f.matrixWaveSpeedMs = p.matrixWaveSpeedMs = static_cast<float>(*o.matrixWaveSpeedMs);
  }
  if (o.strikerVelocityMs) {
    f.strikerVelocityMs = p.strikerVelocityMs = static_cast<float>(*o.strikerVelocityMs);
  }
  if (o.barMaterialRow) f.barMaterialIndex = *o.barMaterialRow;
  if (o.barDiameterRow) f.barDiameterIndex = *o.barDiameterRow;
  // --bar makes the two bars twins unless --transmission-bar says otherwise.
  if (!o.bar.empty()) f.trBarDiffers = false;
  if (o.trMaterialRow) {
    f.trBarDiffers = true;
    f.trBarMaterialIndex = *o.trMaterialRow;
    f.trBarDiameterIndex = *o.trDiameterRow;
  }
  if (o.barMaterialRow || o.barDiameterRow || o.trMaterialRow) doc.SetBarProperties();
  if (o.dispersion) f.dispersionCorrection = p.dispersionCorrection = true;
  if (o.gaugeDistanceInc) {
    f.incGaugeDistanceMm = p.incGaugeDistanceMm = static_cast<float>(*o.gaugeDistanceInc);
  }
  if (o.gaugeDistanceTr) {
    f.trGaugeDistanceMm = p.trGaugeDistanceMm = static_cast<float>(*o.gaugeDistanceTr);
  }
  if (o.resultLimit) doc.m_resultLimit = s.ws.resultLimit = *o.resultLimit;
  if (o.model) f.computeModel = *o.model;

  if (o.factorInc) p.channel[kIncident].factor = *o.factorInc;
  if (o.factorTr) p.channel[kTransmitted].factor = *o.factorTr;
  if (!o.bridgeInc.empty() || !o.bridgeTr.empty()) ApplyBridges(o, s);

  const std::vector<int>* ranges[2] = {&o.baselineInc, &o.baselineTr};
  const int n = doc.pointCount();
  for (const std::vector<int>* r : ranges) {
    if (!r->empty() && (*r)[1] >= n) {
      s.ui.ShowMessage(
          VELK_TRANSLATE_NOOP(
              "velk", "The baseline range %1 to %2 runs past the last sample %3 of the channel."),
          {std::to_string((*r)[0]), std::to_string((*r)[1]), std::to_string(n - 1)});
      return kExitFailed;
    }
  }
  if (!o.baselineInc.empty()) {
    doc.m_incBaseStart = o.baselineInc[0];
    doc.m_incBaseEnd = o.baselineInc[1];
  }
  if (!o.baselineTr.empty()) {
    doc.m_trBaseStart = o.baselineTr[0];
    doc.m_trBaseEnd = o.baselineTr[1];
  }
  if (!o.baselineInc.empty() || !o.baselineTr.empty()) doc.ComputeBaselineMeans();
  return kExitDone;
}

}  // namespace velk::cli
