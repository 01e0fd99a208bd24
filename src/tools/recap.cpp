#include "tools/recap.h"

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

void OnRecapitulation(CVelkDoc& doc, Interaction& ia) {
  RecapFields f = RecapFromParameters(doc.ws().params);
  if (!ia.RunRecap(f)) return;
  RecapToParameters(f, doc.ws().params);
}

}  // namespace velk
