#include "tools/recap.h"

#include <cstdio>

#include "analysis/summary.h"
#include "tools/summary_file.h"

namespace velk {

RecapFields RecapFromParameters(const TestParameters& p) {
  RecapFields f;
  const ChannelSlots& i = p.channel[kIncident];
  const ChannelSlots& t = p.channel[kTransmitted];
  f.impactedDiameterMm = p.impactedDiameterMm;
  f.specimenDiameterMm = p.specimenDiameterMm;
  f.impactedLengthMm = p.impactedLengthMm;
  f.specimenThicknessMm = p.specimenThicknessMm;
  f.strikerVelocityMs = p.strikerVelocityMs;
  f.strikeBarLengthMm = p.strikeBarLengthMm;
  f.barAreaMm2 = p.barAreaMm2;
  f.barWaveSpeedMs = p.barWaveSpeedMs;
  f.barModulusMpa = p.barModulusMpa;
  f.incFactor = i.factor;
  f.trFactor = t.factor;
  f.incArms = i.armsOrHeight;
  f.trArms = t.armsOrHeight;
  f.incGaugeFactor = i.gaugeFactor;
  f.trGaugeFactor = t.gaugeFactor;
  f.incBridgeVoltage = i.bridgeVoltage;
  f.trBridgeVoltage = t.bridgeVoltage;
  f.incGain = i.gainOrStaticStrain;
  f.trGain = t.gainOrStaticStrain;
  f.strikeBarVelocityMs = p.strikeBarVelocityMs;
  return f;
}

void RecapToParameters(const RecapFields& f, TestParameters& p) {
  ChannelSlots& i = p.channel[kIncident];
  ChannelSlots& t = p.channel[kTransmitted];
  p.impactedDiameterMm = f.impactedDiameterMm;
  p.specimenDiameterMm = f.specimenDiameterMm;
  p.impactedLengthMm = f.impactedLengthMm;
  p.specimenThicknessMm = f.specimenThicknessMm;
  p.strikerVelocityMs = f.strikerVelocityMs;
  p.strikeBarLengthMm = f.strikeBarLengthMm;
  p.barAreaMm2 = f.barAreaMm2;
  p.barWaveSpeedMs = f.barWaveSpeedMs;
  p.barModulusMpa = f.barModulusMpa;
  i.factor = f.incFactor;
  t.factor = f.trFactor;
  i.armsOrHeight = f.incArms;
  t.armsOrHeight = f.trArms;
  i.gaugeFactor = f.incGaugeFactor;
  t.gaugeFactor = f.trGaugeFactor;
  i.bridgeVoltage = f.incBridgeVoltage;
  t.bridgeVoltage = f.trBridgeVoltage;
  i.gainOrStaticStrain = f.incGain;
  t.gainOrStaticStrain = f.trGain;
  p.strikeBarVelocityMs = f.strikeBarVelocityMs;
}

namespace {

std::string Shown(double v) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

std::string Shown(const std::optional<double>& v) { return v ? Shown(*v) : "无"; }

}  // namespace

std::vector<std::pair<std::string, std::string>> RecapSummary(const CVelkDoc& doc) {
  const ResultCurves curves = CurvesOf(doc);
  if (curves.stress.empty()) return {};
  const ForceBalance forces = ComputeForceBalance(doc);
  const Summary s = Summarise(curves, forces);
  std::vector<std::pair<std::string, std::string>> rows = {
      {"峰值应力(MPa):", Shown(s.peakStressMpa)},
      {"峰值应力处应变:", Shown(s.strainAtPeak)},
      {"最大应变:", Shown(s.maxStrain)},
  };
  for (const FlowStress& f : s.flowStress) {
    rows.push_back({"流动应力(MPa) 应变" + StrainKey(f.strain) + ":", Shown(f.stressMpa)});
  }
  rows.push_back(
      {"0.2%屈服应力(MPa):", Shown(s.yield ? std::optional(s.yield->stressMpa) : std::nullopt)});
  rows.push_back({"表观模量(MPa, 压杆模量不可靠):",
                  Shown(s.yield ? std::optional(s.yield->modulusMpa) : std::nullopt)});
  rows.push_back({"平台应变率(1/s):", s.plateau
                                          ? Shown(s.plateau->mean) + " ± " + Shown(s.plateau->std) +
                                                "  (应变 " + Shown(s.plateau->startStrain) + " - " +
                                                Shown(s.plateau->endStrain) + ")"
                                          : "无"});
  rows.push_back({"力平衡(|R|<0.05)起始:",
                  s.equilibrium
                      ? Shown(s.equilibrium->timeUs) + " µs  应变 " + Shown(s.equilibrium->strain)
                      : "从未达到"});
  rows.push_back({"吸收能(MJ/m³):", Shown(s.energyMjPerM3)});
  return rows;
}

void OnRecapitulation(CVelkDoc& doc, Interaction& ia) {
  RecapFields f = RecapFromParameters(doc.ws().params);
  f.summary = RecapSummary(doc);
  if (!ia.RunRecap(f)) return;
  RecapToParameters(f, doc.ws().params);
}

}  // namespace velk
