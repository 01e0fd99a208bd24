#pragma once
// Phase velocity of the first longitudinal mode of a solid elastic bar, from the Pochhammer-Chree
// frequency equation. A bar of finite diameter carries its high frequencies slower than c0, which
// is what puts the familiar oscillations on the stress curve of a pressure-bar test.
//
// The equation depends on the bar only through Poisson's ratio once frequency and speed are made
// dimensionless (c / c0 against f a / c0, a the radius), so one table serves every bar of the
// same Poisson's ratio whatever its c0 and diameter.

#include <memory>
#include <vector>

namespace velk {

// Poisson's ratios the tables are checked for (bar materials lie well inside): the functions
// below expect a ratio in this range. Near zero the dilatational speed meets c0 and the first
// mode no longer separates cleanly from the root at c0.
constexpr double kMinPoissonRatio = 0.05;
constexpr double kMaxPoissonRatio = 0.49;

// Rayleigh surface-wave speed over c0 for a Poisson's ratio: the phase velocity the first mode
// tends to at high frequency.
double RayleighSpeedRatio(double poissonRatio);

// c / c0 of the first mode at the normalised frequency f a / c0, solved directly (bracketing
// scan upward from below the Rayleigh speed, then bisection). 1 at frequency 0.
double SolvePhaseVelocityRatio(double poissonRatio, double normalisedFrequency);

// c / c0 against f a / c0 for one Poisson's ratio, tabulated so that interpolation errs below
// 1e-6 relative at every frequency; above the last tabulated frequency the Rayleigh limit holds.
class PhaseVelocityTable {
 public:
  explicit PhaseVelocityTable(double poissonRatio);
  double poissonRatio() const { return m_poissonRatio; }
  // c / c0 at the normalised frequency f a / c0 (any value >= 0).
  double Ratio(double normalisedFrequency) const;

 private:
  double m_poissonRatio;
  std::vector<double> m_ratio;  // on a uniform grid of u, frequency = kScale u / (1 - u)
};

// The table of a Poisson's ratio, built on first use and shared afterwards; safe to call from
// several threads at once.
std::shared_ptr<const PhaseVelocityTable> PhaseVelocityTableFor(double poissonRatio);

// A bar as the dispersion theory sees it.
struct DispersiveBar {
  double waveSpeedMs = 0;  // c0, m/s
  double poissonRatio = 0;
  double diameterMm = 0;
};

// Phase velocity (m/s) of the first mode at a frequency (Hz, sign ignored) in the bar.
double PhaseVelocityMs(const DispersiveBar& bar, double frequencyHz);

}  // namespace velk
