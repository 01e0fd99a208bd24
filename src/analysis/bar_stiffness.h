#pragma once
// E·A of the two bars that carry the force into and out of the specimen. Every force of the
// analysis takes them from here, so that bars of different material or size change one place.

#include "record/workspace.h"

namespace velk {

struct BarStiffness {
  double frontN = 0;  // incident bar, newton per unit strain (MPa × mm²)
  double backN = 0;   // transmission bar
};

// The transmission bar is the incident bar's twin unless the test says it differs.
inline BarStiffness BarStiffnessOf(const TestParameters& p) {
  // Single-precision parameters widened before they meet a double, as in the computation.
  const double front = static_cast<double>(p.barModulusMpa) * p.barAreaMm2;
  const double back =
      p.trBarDiffers ? static_cast<double>(p.trBarModulusMpa) * p.trBarAreaMm2 : front;
  return {front, back};
}

}  // namespace velk
