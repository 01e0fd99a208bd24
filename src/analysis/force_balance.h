#pragma once
// The forces on the two faces of the specimen and how far they agree, from the working waves and
// the windows of the last computation. Purely a check: nothing here moves a window or changes a
// result curve.

#include <span>
#include <vector>

#include "analysis/bar_stiffness.h"
#include "record/velk_doc.h"

namespace velk {

// Both forces must exceed this fraction of the peak back force for the ratio to be defined.
inline constexpr double kBalanceThreshold = 0.05;

struct ForceBalance {
  std::vector<double> timeUs;   // the results' time base: i × sample interval
  std::vector<double> frontKn;  // F1 = E·A (εi + εr), incident face
  std::vector<double> backKn;   // F2 = E·A εt, transmitted face
  std::vector<double> ratio;    // R = 2 (F1 − F2) / (F1 + F2); NaN where undefined
  bool empty() const { return timeUs.empty(); }
};

// From the three strain histories in microstrain on a common time base (compression positive,
// the reflected strain negative), dt in µs, and the bars' E·A.
ForceBalance BalanceFromStrains(std::span<const double> incident, std::span<const double> reflected,
                                std::span<const double> transmitted, double dtUs,
                                const BarStiffness& bars);

// Fills ratio from frontKn and backKn by the threshold rule.
void ComputeBalanceRatio(ForceBalance& b);

// From the record after a computation: the windowed working waves scaled by the conversion
// factors, over result points 0..last result index. The transmitted window starts where the
// three-wave computation reads it (shifted by the specimen transit time when the setup dialog
// has a specimen wave speed). A read outside a channel is zero, as the rearranged waves are
// outside their windows. Empty when no results exist.
ForceBalance ComputeForceBalance(const CVelkDoc& doc);

}  // namespace velk
