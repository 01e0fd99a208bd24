#pragma once
// The program-wide state of Velk: the test parameters, the state flags, the waveform-open inputs,
// the opened-record path and the result kind. One test is open at a time, so these always describe
// it. The application owns one Workspace; tests build their own.

#include <array>
#include <cstdint>
#include <string>

#include "record/bar_library.h"

namespace velk {

// Bits of the program state word. Bits not listed are never used.
enum StateFlag : std::uint32_t {
  kParamFileFound = 0x001,    // parameter file found beside the record file
  kHandPickedParams = 0x002,  // parameters came from a parameter file the operator chose
  kWavesLoaded = 0x004,       // raw, working and smoothed waves exist
  kResultsComputed = 0x008,   // computed and smoothed curves exist
  kCurvesSmoothed = 0x010,    // result curves were smoothed (nothing reads it)
  kWavesSmoothed = 0x020,     // waves were smoothed (nothing reads it)
  kRecordFileSource = 0x040,  // raw waves are recorder integers less 512, not volts
  kTektronixSource = 0x080,
  kBridgeParams = 0x100,  // conversion factors come from the bridge formula
  kCalibration = 0x200,   // conversion factors come from the static calibration
  kCs20000Source = 0x400,
};

// One channel's conversion slots. Their meaning follows the conversion mode chosen last:
// bridge mode (gain, bridge voltage, gauge factor, arms) or calibration mode (static strain,
// calibration bridge voltage, gauge factor, calibration height).
struct ChannelSlots {
  double factor = 0;              // microstrain per recorder unit (per volt in bridge mode)
  double bridgeVoltage = 0;       // V, bridge pages
  double calBridgeVoltage = 0;    // V, calibration pages only; not in the parameter file
  double gainOrStaticStrain = 0;  // amplifier gain, or static calibration strain in microstrain
  double gaugeFactor = 0;
  double armsOrHeight = 0;  // effective bridge arms, or digitised calibration height

  bool operator==(const ChannelSlots&) const = default;
};

enum Channel { kIncident = 0, kTransmitted = 1 };

// Order of the six window indices everywhere they are stored.
enum WindowIndex { kIncStart = 0, kIncEnd, kRefStart, kRefEnd, kTrStart, kTrEnd };

struct TestParameters {
  float samplingMhz = 0;
  double sampleIntervalUs = 0;  // kept equal to 1 / samplingMhz wherever either is set
  int barMaterialIndex = 0;     // row of the bar material table
  int barDiameterIndex = 0;     // row of the bar diameter table
  float barWaveSpeedMs = 0;
  float barModulusMpa = 0;
  double barAreaMm2 = 0;
  float specimenDiameterMm = 0;   // D0, before the test
  float specimenThicknessMm = 0;  // L0, before the test
  float impactedDiameterMm = 0;
  float impactedLengthMm = 0;
  float matrixWaveSpeedMs = 0;  // foam model
  float specimenWaveSpeedMs = 0;
  float strikerVelocityMs = 0;  // shown by the recapitulation as "time(ms):"
  double strikeBarVelocityMs = 0;
  float strikeBarLengthMm = 0;
  std::array<int, 6> windowIndices{};  // order of WindowIndex
  std::array<ChannelSlots, 2> channel{};

  // The transmission bar. Unless trBarDiffers, it is the incident bar's twin and its values copy
  // the incident bar's, so the computation keeps the one-bar formulas.
  bool trBarDiffers = false;
  int trBarMaterialIndex = 0;  // rows of the bar library, like the incident bar's indices
  int trBarDiameterIndex = 0;
  float trBarWaveSpeedMs = 0;
  float trBarModulusMpa = 0;
  double trBarAreaMm2 = 0;
  // For the dispersion correction of the pulses between gauge and specimen face.
  bool dispersionCorrection = false;  // "弥散修正": move each windowed pulse to its specimen face
  float barPoisson = 0;
  float trBarPoisson = 0;
  double barDiameterMm = 0;
  double trBarDiameterMm = 0;
  float incGaugeDistanceMm = 0;  // from the incident bar's gauge to the specimen face
  float trGaugeDistanceMm = 0;   // from the transmission bar's gauge to the specimen face

  bool operator==(const TestParameters&) const = default;
};

struct WaveOpenInputs {
  std::string incidentPath;
  std::string transmittedPath;
  int incidentStart = 0;  // samples dropped at the start of each file
  int transmittedStart = 0;
};

struct Workspace {
  TestParameters params;
  std::uint32_t flags = 0;
  WaveOpenInputs waveOpen;
  std::string openedRecordPath;  // last record file opened through File Open or the recent list
  int resultKind = 2;            // 2, 3 or 4: layout of the next result file
  BarLibrary bars;               // the rows the bar indices of the parameters refer to
  int resultLimit = 2000;        // result length limit a new record takes; 0: no limit

  bool Has(std::uint32_t bits) const { return (flags & bits) != 0; }
  void Set(std::uint32_t bits) { flags |= bits; }
  void Clear(std::uint32_t bits) { flags &= ~bits; }
};

}  // namespace velk
