#pragma once
// The stages of the computation when the two bars differ: the windowed pulses at the gauges, the
// same pulses at the specimen faces, the force and velocity of each face, and from them the
// specimen's force, deformation and strain-rate histories. Strains are in microstrain with the
// signs of the working waves: incident and transmitted pulses positive, the reflected pulse
// negative in a compressive test.

#include <map>
#include <span>
#include <tuple>
#include <vector>

#include "analysis/dispersion.h"
#include "record/tr_noop.h"
#include "record/workspace.h"

namespace velk {

struct BarPulses {
  std::vector<double> incident, reflected, transmitted;  // last + 1 values each
};

// Where the model reads its windows. A pulse the model does not read stays zero; the face stage
// fills it from the balance of forces.
struct PulseWindows {
  int model = 0;
  int incStart = 0, refStart = 0, trStart = 0;
  int trStartShifted = 0;  // trStart less the transit time through the specimen; may be negative
  int last = 0;            // last result index
};

// One bar as the formulas need it: wave speed m/s, modulus MPa, cross-section mm².
struct BarValues {
  double waveSpeedMs = 0;
  double modulusMpa = 0;
  double areaMm2 = 0;
};

struct FaceHistories {
  std::vector<double> frontForceN, backForceN;          // newton
  std::vector<double> frontVelocityMs, backVelocityMs;  // m/s, towards the transmission bar
};

struct SpecimenHistories {
  std::vector<double> forceN, deformationMm, strainRatePerS;
};

// The model's pulses from the working waves times the conversion factors (microstrain per unit).
// The windows must lie inside the waves, as the caller has checked; a shifted transmitted window
// reads zero before the first sample.
BarPulses PulsesAtGauges(std::span<const double> workInc, std::span<const double> workTr,
                         double incFactor, double trFactor, const PulseWindows& w);

// The pulses at the specimen faces, incGaugeMm and trGaugeMm from the gauges, when no dispersion
// correction is asked for: the bars are taken as one-dimensional, and the pulses pass unchanged.
BarPulses PulsesAtSpecimenFaces(BarPulses atGauges, double incGaugeMm, double trGaugeMm);

// What the dispersion correction needs of the two bars and the gauges.
struct DispersionRig {
  DispersiveBar incBar, trBar;
  double incGaugeMm = 0, trGaugeMm = 0;  // from each gauge to its specimen face
  double sampleIntervalUs = 0;
};

// The rig of the test parameters' bars (their rows already applied), gauges and sampling.
DispersionRig DispersionRigOf(const TestParameters& p);

// Why the foam model refuses the correction: its stress comes from the transmitted wave
// resampled on the specimen's own time map, which the correction of the windows does not reach.
inline constexpr char kFoamDispersionRefused[] =
    VELK_TRANSLATE_NOOP("velk", "泡沫模型（3 waves（foam））不能做弥散修正。");

// A reason the rig cannot be corrected (empty when it can): the first bar or distance that fails
// CheckDispersionInputs.
DispersionProblem CheckDispersionRig(const DispersionRig& rig);

// The model's pulses as PulsesAtGauges reads them, each window moved from its gauge to its
// specimen face through the dispersion of its own bar: the incident pulse toward the specimen,
// the reflected pulse back along the incident bar, the transmitted pulse along the transmission
// bar. Each correction reads the working wave on both sides of its window (samples outside the
// wave count as zero), where the dispersed front and tail of the pulse lie. The rig must pass
// CheckDispersionRig.
//
// Corrected windows of one record, kept for computations repeated on unchanged working waves (the
// draws of the Monte Carlo): they correct with one rig throughout, so the few windows their start
// shifts make are each corrected once. One per thread.
class FaceWindowMemo {
 public:
  explicit FaceWindowMemo(const DispersionRig& rig) : m_rig(rig) {}
  const DispersionRig& rig() const { return m_rig; }
  // The window [start, start + count) of wave 0 (incident) or 1 (transmitted), moved to its face,
  // unscaled; made by `make` the first time it is asked for.
  template <class Make>
  const std::vector<double>& Window(int wave, long start, long count, PulseTravel travel,
                                    Make make) {
    const Key key{wave, start, count, travel};
    auto it = m_windows.find(key);
    if (it == m_windows.end()) it = m_windows.emplace(key, make()).first;
    return it->second;
  }

 private:
  using Key = std::tuple<int, long, long, PulseTravel>;
  DispersionRig m_rig;
  std::map<Key, std::vector<double>> m_windows;
};

// With a memo, its rig is used instead of `rig` and its windows are reused.
BarPulses PulsesAtSpecimenFaces(std::span<const double> workInc, std::span<const double> workTr,
                                double incFactor, double trFactor, const PulseWindows& w,
                                const DispersionRig& rig, FaceWindowMemo* memo = nullptr);

// Force and velocity of each specimen face: front force Ei·Ai·(εi + εr), back force Et·At·εt,
// front velocity Ci·(εi − εr), back velocity Ct·εt. In the two-wave models the pulse the model
// does not read follows from equal forces on the two faces.
FaceHistories FaceForcesAndVelocities(BarPulses pulses, const BarValues& inc, const BarValues& tr,
                                      int model);

// The specimen's force (the back face in models 0 and 2, the front face in model 1, the mean of
// the two in the three-wave models), deformation (the relative motion of the faces summed over
// samples of dtUs microseconds) and engineering strain rate for a specimen hMm thick.
SpecimenHistories SpecimenFromFaces(const FaceHistories& faces, int model, double dtUs, double hMm);

}  // namespace velk
