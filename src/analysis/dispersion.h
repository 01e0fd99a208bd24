#pragma once
// Moves a windowed bar pulse between its strain gauge and the specimen face through the exact
// dispersion of the bar's first longitudinal mode. Each frequency component travels at its own
// phase velocity c(f); the windows already align the pulses as if everything travelled at c0, so
// only the difference is applied: over a distance dz a component's phase moves by
// 2 pi f dz (1 / c(f) - 1 / c0), later where the pulse arrives.

#include <span>
#include <string>
#include <vector>

#include "analysis/phase_velocity.h"

namespace velk {

// Which way a pulse runs between its gauge and its specimen face: the incident pulse runs toward
// the specimen, the reflected pulse back from it toward the incident gauge, the transmitted pulse
// away from it toward its gauge.
enum class PulseTravel { kTowardSpecimen, kAwayFromSpecimen };

// A reason the correction cannot be made, as a message source text with its %1 argument (empty
// text when the inputs serve).
struct DispersionProblem {
  std::string text;
  std::vector<std::string> args;
  explicit operator bool() const { return !text.empty(); }
};

// Checks a bar (c0 m/s, Poisson's ratio, diameter mm), a gauge-to-face distance (mm) and a sample
// interval (us) before either function below is used.
DispersionProblem CheckDispersionInputs(const DispersiveBar& bar, double distanceMm,
                                        double sampleIntervalUs);

// The pulse at the specimen face, from the window recorded at a gauge distanceMm from it; the
// same length as the window. Inputs that fail CheckDispersionInputs give the window unchanged.
std::vector<double> PulseAtSpecimenFace(std::span<const double> atGauge, const DispersiveBar& bar,
                                        double distanceMm, double sampleIntervalUs,
                                        PulseTravel travel);

// The inverse: the pulse a gauge distanceMm from the face records, from the pulse at the face.
std::vector<double> PulseAtGauge(std::span<const double> atFace, const DispersiveBar& bar,
                                 double distanceMm, double sampleIntervalUs, PulseTravel travel);

// Samples on each side of a window that hold the dispersed energy of its pulse over distanceMm:
// the energy travels no slower than a fifth of c0 (the group velocity's minimum is 0.38 c0 at
// Poisson's ratio 0.29, 0.24 c0 at 0.05). A margin for WindowAtSpecimenFace.
long DispersionMarginSamples(const DispersiveBar& bar, double distanceMm, double sampleIntervalUs);

// Samples [start, start + length) of a channel, moved to the specimen face. The correction also
// reads up to `margin` samples on each side of the window, where the front and the tail of the
// dispersed pulse lie, so that cutting the pulse at the window's edges does not ring into it.
// Samples outside the channel count as zero. Inputs that fail CheckDispersionInputs give the
// window unchanged.
std::vector<double> WindowAtSpecimenFace(std::span<const double> channel, long start, long length,
                                         long margin, const DispersiveBar& bar, double distanceMm,
                                         double sampleIntervalUs, PulseTravel travel);

// Shifts the phase of every component of a periodic record by delaySign x 2 pi f dz (1 / c(f) -
// 1 / c0) radians of delay (delaySign +1 delays the slow components, -1 advances them), without
// padding: the building block of the two functions above, exposed for its analytic check. The
// component at exactly half the sampling frequency is left as it is: it has no direction of
// travel a real record could show.
std::vector<double> ShiftPhasesPeriodic(std::span<const double> periodic, const DispersiveBar& bar,
                                        double distanceMm, double sampleIntervalUs, int delaySign);

}  // namespace velk
