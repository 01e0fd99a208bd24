#pragma once
// The handful of numbers a paper quotes about one test, each by a stated rule (README, "Summary
// values"). Every value that a curve does not give is empty, never a guess.

#include <optional>
#include <span>
#include <vector>

#include "analysis/force_balance.h"

namespace velk {

// The strains whose flow stress is reported unless the operator names others.
inline const std::vector<double> kDefaultFlowStrains = {0.02, 0.05, 0.10, 0.20};

struct FlowStress {
  double strain = 0;
  std::optional<double> stressMpa;  // empty beyond the curve
};

struct YieldFit {
  double stressMpa = 0;
  double strain = 0;
  double modulusMpa = 0;  // slope of the loading line: the apparent modulus
  int index = 0;          // first result point at or beyond yield
};

struct PlateauRate {
  double mean = 0;  // 1/s
  double std = 0;   // population standard deviation over the run
  double startStrain = 0;
  double endStrain = 0;
};

struct Equilibrium {
  double timeUs = 0;
  double strain = 0;
};

// Engineering curves of one test over result points 0..N.
struct ResultCurves {
  std::span<const double> stress;  // MPa
  std::span<const double> strain;
  std::span<const double> rate;  // 1/s
};

struct Summary {
  double peakStressMpa = 0;
  double strainAtPeak = 0;
  double maxStrain = 0;
  std::vector<FlowStress> flowStress;
  std::optional<YieldFit> yield;
  std::optional<PlateauRate> plateau;
  std::optional<Equilibrium> equilibrium;  // empty: never
  double energyMjPerM3 = 0;
};

// Index of the first largest stress; 0 for an empty curve.
int PeakIndex(std::span<const double> stress);
std::optional<double> FlowStressAt(const ResultCurves& c, double strain);
std::optional<YieldFit> OffsetYield(const ResultCurves& c);
std::optional<PlateauRate> PlateauStrainRate(const ResultCurves& c, int fromIndex);
// The loading ends at loadingEnd (the peak stress); from the returned point to there every ratio
// is defined and below 0.05 in size. Empty (never) when the ratio at loadingEnd is not.
std::optional<Equilibrium> EquilibriumPoint(const ForceBalance& b, std::span<const double> strain,
                                            int loadingEnd);
double AbsorbedEnergy(const ResultCurves& c);

// All of the above. The curves must hold the same number of points as the balance, or the
// balance must be empty (then there is no equilibrium point).
Summary Summarise(const ResultCurves& c, const ForceBalance& b,
                  const std::vector<double>& flowStrains = kDefaultFlowStrains);

// The record's smoothed engineering curves (the ones the result files hold) over 0..N.
ResultCurves CurvesOf(const CVelkDoc& doc);

}  // namespace velk
