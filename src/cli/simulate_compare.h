#pragma once
// How far a reduced stress-strain curve lies from the simulated specimen's true curve.

#include <span>
#include <utility>
#include <vector>

namespace velk::sim {

using TruthCurve = std::vector<std::pair<double, double>>;  // (strain, stress MPa), strain rising

// Stress (MPa) of the truth at a strain, by linear interpolation; the end values outside it.
double TruthStressAt(const TruthCurve& truth, double strain);

struct CurveMatch {
  double worstRelativeError = 0;  // |recovered - true| / true, largest over the compared points
  double atStrain = 0;            // where the largest error lies
  int comparedPoints = 0;
};

// Compares the loading branch of a recovered engineering curve (its points up to the largest
// recovered strain) with the truth over the plastic part: from the strain where the truth's
// plastic strain (strain - stress / modulus) reaches minPlasticStrain up to upperFraction of the
// truth's largest strain. Points outside that range are not compared.
CurveMatch CompareWithTruth(const TruthCurve& truth, double modulusMpa,
                            std::span<const double> strain, std::span<const double> stress,
                            double minPlasticStrain = 0.01, double upperFraction = 0.95);

}  // namespace velk::sim
