#include "tools/recap.h"

#include <cstdio>

#include "analysis/summary.h"
#include "record/tr_noop.h"
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

// A number as the recapitulation shows it, or "无" when there is none.
RecapRow Row(const char* label, const std::optional<double>& v) {
  if (!v) return {label, {}, VELK_TRANSLATE_NOOP("velk", "无"), {}};
  return {label, {}, "%1", {Shown(*v)}};
}

}  // namespace

std::vector<RecapRow> RecapSummary(const CVelkDoc& doc) {
  const ResultCurves curves = CurvesOf(doc);
  if (curves.stress.empty()) return {};
  const ForceBalance forces = ComputeForceBalance(doc);
  const Summary s = Summarise(curves, forces);
  std::vector<RecapRow> rows = {
      Row(VELK_TRANSLATE_NOOP("velk", "峰值应力(MPa):"), s.peakStressMpa),
      Row(VELK_TRANSLATE_NOOP("velk", "峰值应力处应变:"), s.strainAtPeak),
      Row(VELK_TRANSLATE_NOOP("velk", "最大应变:"), s.maxStrain),
  };
  for (const FlowStress& f : s.flowStress) {
    RecapRow r = Row(VELK_TRANSLATE_NOOP("velk", "流动应力(MPa) 应变%1:"), f.stressMpa);
    r.labelArgs = {StrainKey(f.strain)};
    rows.push_back(r);
  }
  rows.push_back(Row(VELK_TRANSLATE_NOOP("velk", "0.2%屈服应力(MPa):"),
                     s.yield ? std::optional(s.yield->stressMpa) : std::nullopt));
  rows.push_back(Row(VELK_TRANSLATE_NOOP("velk", "表观模量(MPa, 压杆模量不可靠):"),
                     s.yield ? std::optional(s.yield->modulusMpa) : std::nullopt));
  RecapRow plateau = Row(VELK_TRANSLATE_NOOP("velk", "平台应变率(1/s):"), std::nullopt);
  if (s.plateau) {
    plateau.value = VELK_TRANSLATE_NOOP("velk", "%1 ± %2  (应变 %3 - %4)");
    plateau.valueArgs = {Shown(s.plateau->mean), Shown(s.plateau->std),
                         Shown(s.plateau->startStrain), Shown(s.plateau->endStrain)};
  }
  rows.push_back(plateau);
  RecapRow balance{VELK_TRANSLATE_NOOP("velk", "力平衡(|R|<0.05)起始:"),
                   {},
                   VELK_TRANSLATE_NOOP("velk", "从未达到"),
                   {}};
  if (s.equilibrium) {
    balance.value = VELK_TRANSLATE_NOOP("velk", "%1 µs  应变 %2");
    balance.valueArgs = {Shown(s.equilibrium->timeUs), Shown(s.equilibrium->strain)};
  }
  rows.push_back(balance);
  rows.push_back(Row(VELK_TRANSLATE_NOOP("velk", "吸收能(MJ/m³):"), s.energyMjPerM3));
  return rows;
}

void OnRecapitulation(CVelkDoc& doc, Interaction& ia) {
  RecapFields f = RecapFromParameters(doc.ws().params);
  f.summary = RecapSummary(doc);
  if (!ia.RunRecap(f)) return;
  RecapToParameters(f, doc.ws().params);
}

}  // namespace velk
