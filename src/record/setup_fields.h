#pragma once
// The setup dialog's data ("数采/压杆/试样参数"), held by the test record. The dialog window reads
// and writes this struct; the computation reads the compute model and the bar choices from it.

namespace velk {

struct SetupFields {
  int waveChoice = -1;            // radio 1007-1009: 0 incident, 1 transmitted, 2 all
  int barMaterialIndex = -1;      // list 1003
  int computeModel = -1;          // list 1014, 0..4
  float specimenDiameterMm = 0;   // edit 2001
  float specimenThicknessMm = 0;  // edit 2002
  float specimenWaveSpeedMs = 0;  // edit 2004
  int barDiameterIndex = -1;      // list 1004
  float matrixWaveSpeedMs = 0;    // edit 2005
  float strikerVelocityMs = 0;    // edit 2003
  float samplingMhz = 0;          // edit 2000
  bool trBarDiffers = false;      // check box "透射杆不同"
  int trBarMaterialIndex = -1;    // the transmission bar's material list
  int trBarDiameterIndex = -1;    // the transmission bar's diameter list

  // Check box "弥散修正" and the edits 2006, 2007 of the gauge distances (mm).
  bool dispersionCorrection = false;
  float incGaugeDistanceMm = 0;
  float trGaugeDistanceMm = 0;
  bool operator==(const SetupFields&) const = default;
};

// Compute models of list 1014, in list order.
enum ComputeModel {
  kModelIncidentTransmitted = 0,
  kModelIncidentReflected = 1,
  kModelReflectedTransmitted = 2,
  kModelThreeWave = 3,
  kModelThreeWaveFoam = 4,
};

}  // namespace velk
