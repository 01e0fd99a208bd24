#pragma once
// From gauge strain to what a recorder writes: conversion through the channel's factor, the
// recorder's baseline offset, seeded noise and quantisation; and the file layouts the program
// reads (Tektronix text, CS20000, test record) plus the true curve as a column file.

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace velk::sim {

struct ChannelScale {
  double factor = 476.1904761904762;  // microstrain per recorded unit (per volt for a scope)
  double offset = 0;                  // recorder's baseline offset, in recorded units
};

struct RecorderSettings {
  ChannelScale incident, transmitted;
  double noiseStd = 0;  // standard deviation of the added noise, recorded units
  std::uint64_t seed = 1;
  int bits = 0;      // 0: no quantisation
  double range = 0;  // full span the bits cover, recorded units, centred on zero
};

struct RecordedChannels {
  std::vector<double> incident, transmitted;
};

// Microstrain of a bridge chain per recorded unit (volt): 4e6 / (gain x bridge V x gauge factor x
// arms), with 1e6 in place of a zero product, as the program's bridge page computes it.
double BridgeFactor(double arms, double bridgeVolt, double gain, double gaugeFactor);

// Empty when the settings are usable, else what is wrong.
std::string CheckRecorder(const RecorderSettings& r);

// The two gauge strains (microstrain) as the recorder stores them.
RecordedChannels Record(const std::vector<double>& incidentMicrostrain,
                        const std::vector<double>& transmittedMicrostrain,
                        const RecorderSettings& r);

// Standard normal numbers from a seeded 64-bit Mersenne twister by the Box-Muller transform.
// The engine's sequence is fixed by the C++ standard but the library's normal distribution is
// not, so the same seed gives the same files with every compiler.
class GaussianNoise {
 public:
  explicit GaussianNoise(std::uint64_t seed);
  double Next();

 private:
  double Uniform();  // in (0, 1]
  std::mt19937_64 m_engine;
  bool m_hasSpare = false;
  double m_spare = 0;
};

// File writers; each returns an empty text on success, else the reason the file was not written.
// Samples are written with six decimals, which is finer than any float the readers keep.
std::string WriteTektronix(const std::string& path, const std::vector<double>& samples,
                           double sampleIntervalUs);
std::string WriteCs20000(const std::string& path, const std::vector<double>& samples);
// Incident half then transmitted half, one reading per line, each stored plus 512 as the recorder
// does, with the given number of decimals (0: whole numbers).
std::string WriteRecordFile(const std::string& path, const std::vector<double>& incident,
                            const std::vector<double>& transmitted, int decimals);
// "strain stress" per line.
std::string WriteTruth(const std::string& path,
                       const std::vector<std::pair<double, double>>& truth);

// Fixed-point text of a value with the given decimals, independent of the C locale.
std::string FixedText(double v, int decimals);

}  // namespace velk::sim
