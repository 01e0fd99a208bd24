#pragma once
// A pressure-bar test with a known answer. The bars are one-dimensional and elastic, the striker
// is of the bars' material, and the specimen is short enough to stay in force equilibrium, so
// its strain rate follows from the three bar waves alone. The specimen obeys an elastic-plastic
// law with linear hardening (and optionally a logarithmic strain-rate term); the simulation
// integrates it in time and records what the two strain gauges see.
//
// Sign convention as on the recordings the program reads: compression is positive, so the
// incident and transmitted pulses are positive and the reflected pulse negative.

#include <string>
#include <utility>
#include <vector>

namespace velk::sim {

// Specimen law in engineering measures (stress = force / original area, strain = shortening /
// original thickness), which is what the reduction recovers directly.
struct SpecimenLaw {
  double modulusMpa = 70000;   // elastic modulus E
  double yieldMpa = 300;       // initial yield stress
  double hardeningMpa = 1000;  // H: flow stress grows by H per unit of plastic strain
  // Flow stress is multiplied by 1 + C ln(rate / reference rate) above the reference rate.
  double rateCoefficient = 0;
  double referenceRatePerS = 1;

  // Factor by which the strain rate (1/s) raises the flow stress; 1 at or below the reference.
  double RateFactor(double strainRatePerS) const;
  // Flow stress (MPa) at a plastic strain and a strain rate (1/s).
  double FlowStress(double plasticStrain, double strainRatePerS) const;
};

// Bar constants as the program knows them.
struct BarConstants {
  double waveSpeedMs = 0;
  double modulusMpa = 0;
  double areaMm2 = 0;
};

struct SimConfig {
  int barMaterialIndex = 0;  // row of the program's bar material table
  int barDiameterIndex = 2;  // row of the bar diameter table (2: 16 mm)
  double strikerLengthMm = 300;
  double strikerVelocityMs = 15;
  double riseTimeUs = 8;  // rise (and fall) of the incident pulse, half-cosine shaped
  double specimenDiameterMm = 8;
  double specimenThicknessMm = 4;
  // Wave speed in the specimen: the transmitted pulse leaves the specimen one transit time
  // (thickness / speed) after the incident pulse reached it. 0 means no transit delay.
  double specimenWaveSpeedMs = 5000;
  SpecimenLaw law;
  double incidentGaugeMm = 500;     // gauge distance from the incident-bar face of the specimen
  double transmittedGaugeMm = 300;  // gauge distance from the transmission-bar face
  double samplingMhz = 5;
  int sampleCount = 4096;   // samples per channel
  int arrivalSample = 400;  // where the incident front reaches the incident gauge
  int substeps = 50;        // integration steps per sample interval
  // Bars of finite diameter: each pulse is carried between its specimen face and its gauge
  // through the exact phase velocity of the bars' first longitudinal mode (both bars alike), so
  // the gauges see the oscillations a real rig shows. Off, the bars are one-dimensional.
  bool dispersion = false;
  double barPoissonRatio = 0.29;
  double dispersionDiameterMm = 0;  // 0: the diameter of the bar's table row
  // A bar on no table row: replaces the incident bar (and the transmission bar unless that has
  // its own) when its wave speed is above 0. The striker is of the incident bar's material.
  BarConstants customBar{};
  BarConstants transmissionBar{};  // a transmission bar of its own when its wave speed is above 0
};

// The bars of a configuration.
BarConstants IncidentBar(const SimConfig& c);
BarConstants TransmissionBar(const SimConfig& c);

// Sample positions (fractional, from the first sample of the channel) where each pulse truly
// starts and ends at its gauge.
struct PulseWindows {
  double incidentStart = 0, incidentEnd = 0;
  double reflectedStart = 0, reflectedEnd = 0;
  double transmittedStart = 0, transmittedEnd = 0;
};

struct SimResult {
  BarConstants bar;  // the incident bar
  BarConstants trBar;
  double incidentAmplitude = 0;                // microstrain, v / (2 Cb)
  std::vector<double> incidentMicrostrain;     // incident gauge: incident + reflected pulses
  std::vector<double> transmittedMicrostrain;  // transmission gauge
  // The specimen's engineering strain and stress (MPa) at every sample interval of specimen
  // time, from the arrival of the incident pulse up to the largest strain (the loading branch).
  std::vector<std::pair<double, double>> truth;
  PulseWindows windows;
  double peakStressMpa = 0;
  double maxStrain = 0;  // strain at the end of the truth
};

// Bar constants of a material and diameter row; the rows must exist.
BarConstants BarFor(int materialIndex, int diameterIndex);

// Diameter (mm) the dispersion of a configuration uses for one of its bars: the configuration's
// dispersion diameter when given, else the bar's own.
double DispersionDiameterMm(const SimConfig& cfg, const BarConstants& bar);

// An empty text when the configuration describes a test that can be simulated, otherwise what
// is wrong with it.
std::string CheckConfig(const SimConfig& cfg);

// Runs the simulation. The configuration must have passed CheckConfig.
SimResult Simulate(const SimConfig& cfg);

// Incident pulse shape at the specimen face: 0..1 as a function of time (us) since its front
// arrived, for a pulse of the given duration (between half-amplitude points) and rise time.
double IncidentShape(double timeUs, double durationUs, double riseUs);

}  // namespace velk::sim
