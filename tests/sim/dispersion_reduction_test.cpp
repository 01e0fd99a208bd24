// Simulated dispersive tests reduced by the computation itself with "弥散修正" checked: the bars,
// Poisson's ratios and gauge distances come from the test parameters as an operator enters them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>

#include "cli/simulate_compare.h"
#include "cli/simulate_physics.h"
#include "record/bar_library.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "reduction/stress_strain.h"

namespace velk::sim {
namespace {

struct Reduced {
  CurveMatch match;
  double oscillationMpa = 0;  // peak to peak of recovered minus true stress over the plastic part
};

Reduced Reduce(const SimConfig& cfg, const SimResult& r, int diameterRow, bool correct,
               BarLibrary bars) {
  Workspace ws;
  ws.bars = std::move(bars);
  CVelkDoc doc{ws};
  ScriptedInteraction ia;
  doc.InstallWaves(r.incidentMicrostrain, r.transmittedMicrostrain);
  ws.Set(kWavesLoaded);
  doc.m_workInc = doc.m_rawInc;
  doc.m_workTr = doc.m_rawTr;
  TestParameters& p = ws.params;
  p.samplingMhz = static_cast<float>(cfg.samplingMhz);
  p.sampleIntervalUs = 1.0 / cfg.samplingMhz;
  p.specimenDiameterMm = static_cast<float>(cfg.specimenDiameterMm);
  p.specimenThicknessMm = static_cast<float>(cfg.specimenThicknessMm);
  p.specimenWaveSpeedMs = static_cast<float>(cfg.specimenWaveSpeedMs);
  p.dispersionCorrection = correct;
  p.incGaugeDistanceMm = static_cast<float>(cfg.incidentGaugeMm);
  p.trGaugeDistanceMm = static_cast<float>(cfg.transmittedGaugeMm);
  for (auto& c : p.channel) c.factor = 1.0;
  doc.m_setup.barMaterialIndex = cfg.barMaterialIndex;
  doc.m_setup.barDiameterIndex = diameterRow;
  doc.m_setup.computeModel = kModelReflectedTransmitted;
  doc.m_setup.specimenWaveSpeedMs = p.specimenWaveSpeedMs;
  const PulseWindows& w = r.windows;
  auto at = [](double x) { return static_cast<int>(std::ceil(x)); };
  doc.m_windows = {at(w.incidentStart), at(w.incidentEnd),      at(w.reflectedStart),
                   at(w.reflectedEnd),  at(w.transmittedStart), at(w.transmittedEnd)};
  EXPECT_TRUE(ComputeStressStrain(doc, ia));
  const auto& strain = doc.m_computed[kEngStrain];
  const auto& stress = doc.m_computed[kEngStress];
  Reduced out;
  out.match = CompareWithTruth(r.truth, cfg.law.modulusMpa, strain, stress);
  double lo = 1e300, hi = -1e300, from = r.maxStrain;
  for (const auto& [e, s] : r.truth)
    if (e - s / cfg.law.modulusMpa >= 0.01) from = std::min(from, e);
  const auto peak = std::max_element(strain.begin(), strain.end()) - strain.begin();
  for (long i = 0; i <= peak; ++i) {
    if (strain[i] < from || strain[i] > 0.95 * r.maxStrain) continue;
    const double d = stress[i] - TruthStressAt(r.truth, strain[i]);
    lo = std::min(lo, d);
    hi = std::max(hi, d);
  }
  out.oscillationMpa = hi - lo;
  return out;
}

TEST(DispersionReduction, CheckedCorrectionRecoversTheLawAndFlattensThePlateau) {
  struct Rig {
    const char* name;
    int material;  // steel (Poisson's ratio 0.29) or aluminium (0.33) of the built-in rows
    double diameterMm;
  } rigs[] = {{"steel 20 mm", 0, 20},
              {"steel 40 mm", 0, 40},
              {"aluminium 20 mm", 1, 20},
              {"aluminium 40 mm", 1, 40}};
  for (const Rig& rig : rigs) {
    // The bar as a lab enters it: a library diameter row; the simulation uses the same bar.
    BarLibrary bars;
    int row = bars.FindDiameter("40");
    if (rig.diameterMm != 40) {
      ASSERT_TRUE(bars.AddDiameter({"20", 20}));
      row = bars.FindDiameter("20");
    }
    const BarMaterialRow& m = bars.Materials()[rig.material];
    SimConfig c;
    c.barMaterialIndex = rig.material;
    c.customBar = {m.waveSpeedMs, m.modulusMpa, bars.Diameters()[row].areaMm2};
    c.dispersion = true;
    c.barPoissonRatio = m.poisson;
    c.dispersionDiameterMm = rig.diameterMm;
    c.riseTimeUs = 50;
    c.incidentGaugeMm = 1000;
    c.transmittedGaugeMm = 1000;
    c.sampleCount = 8000;
    c.arrivalSample = 2000;
    c.law = {rig.material == 0 ? 200000.0 : 117000.0, rig.material == 0 ? 400.0 : 150.0,
             rig.material == 0 ? 1200.0 : 800.0, 0, 1};
    ASSERT_EQ(CheckConfig(c), "") << rig.name;
    const SimResult r = Simulate(c);
    const Reduced raw = Reduce(c, r, row, false, bars), fixed = Reduce(c, r, row, true, bars);
    std::cout << "[ dispersion ] " << rig.name << ", nu " << m.poisson << ": plateau oscillation "
              << raw.oscillationMpa << " MPa uncorrected, " << fixed.oscillationMpa
              << " MPa corrected; worst flow-stress error " << raw.match.worstRelativeError * 100
              << " % uncorrected, " << fixed.match.worstRelativeError * 100 << " % corrected\n";
    EXPECT_GT(fixed.match.comparedPoints, 300) << rig.name;
    EXPECT_LT(fixed.match.worstRelativeError, 0.01) << rig.name << " at " << fixed.match.atStrain;
    EXPECT_LT(fixed.oscillationMpa, 0.1 * raw.oscillationMpa) << rig.name;
  }
}

}  // namespace
}  // namespace velk::sim
