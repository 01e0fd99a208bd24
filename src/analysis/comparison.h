#pragma once
// Repeat tests of one material reported as a mean curve with a spread: the stress–strain curves
// are interpolated onto a common strain grid and averaged point by point.
//
// Grid: uniform, from the largest first strain of the curves to the smallest maximum strain, so
// that every curve covers every grid point and n is the same along the whole curve. Its point
// count is the largest point count of the inputs, at most kMaxGridPoints and at least 2.
//
// A curve whose strain goes back now and then (noise at the foot, unloading at the end) is read
// along its running maximum: a point counts only when its strain exceeds every strain before it,
// so the stress at a grid strain is the one of the first loading past that strain.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace velk {

// The 2000-point result limit of one test; a finer grid only repeats the interpolation.
inline constexpr std::size_t kMaxGridPoints = 2000;

struct StressStrainCurve {
  std::string name;  // shown in messages and legends
  std::vector<double> strain;
  std::vector<double> stress;  // MPa
};

struct MeanCurve {
  std::vector<double> strain;
  std::vector<double> mean;  // MPa
  std::vector<double> sd;    // sample standard deviation (n − 1), MPa
  int n = 0;                 // curves averaged at every grid point
};

// A mean curve, or the reason there is none (a source text with %1, %2 for args).
struct [[nodiscard]] MeanCurveResult {
  MeanCurve curve;
  std::string message;
  std::vector<std::string> args;
  bool ok() const { return message.empty(); }
};

// The points of c whose strain exceeds every strain before them (the running maximum).
StressStrainCurve LoadingBranch(const StressStrainCurve& c);

// The stress of a loading branch (strictly increasing strain) at strain e, linear between its
// points; e must lie within the branch.
double StressAt(const StressStrainCurve& branch, double e);

// The mean and spread of at least two curves. Refused: fewer than two curves, a curve without
// points or with strain and stress of different lengths, a value that is not finite, curves that
// share no strain range.
MeanCurveResult ComputeMeanCurve(std::span<const StressStrainCurve> curves,
                                 std::size_t maxPoints = kMaxGridPoints);

}  // namespace velk
