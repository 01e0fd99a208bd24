#pragma once
// Tools on the computed result curves: the average strain rate up to a picked point, cutting
// every curve after a picked point, and straightening the foot of the engineering stress-strain
// curve. Each works on the point the operator picks on the record's plot view.

#include <optional>
#include <span>
#include <string>

#include "record/interaction.h"
#include "record/tr_noop.h"
#include "record/velk_doc.h"

namespace velk {

// Strain reached at point i divided by the time from point 0, in 1/s (sample interval in µs);
// nullopt when i is not a point after the first or the interval is not above zero.
std::optional<double> AverageStrainRate(std::span<const double> strain, int i, double dtUs);
// "试验平均应变率= %.1f(1/s)"; the desktop program translates the prefix where it shows the text.
inline constexpr const char* kAverageRatePrefix = VELK_TRANSLATE_NOOP("velk", "试验平均应变率= ");
std::string FormatAverageStrainRate(double rate);

// Slope of the stress-strain curve at centre c: the mean of the central-difference slopes over
// 10, 5 and 3 points either side. nullopt when c is within 10 points of either end of 0..last
// or a strain difference is zero.
std::optional<double> StraightenSlope(std::span<const double> stress,
                                      std::span<const double> strain, int c, int last);
// Replaces the foot of the curve below c by a line of the given slope through point c + 1, cuts
// the curve where that line reaches zero stress (point z) and shifts it to start at (0, 0). The
// arrays hold points 0..last; returns z, by which the caller shortens every result curve.
int Straighten(std::span<double> stress, std::span<double> strain, int c, int last, double k);

// Command 32822: the average strain rate up to a picked point of the engineering stress-strain
// curve, shown in the coordinate pane.
void OnAverageStrainRate(CVelkDoc& doc, Interaction& ia);
// Command 32821: every result curve ends at the picked point.
void OnCutCurve(CVelkDoc& doc, Interaction& ia);
// Command 32824: straightens the engineering stress-strain curve around a picked centre point.
void OnStraightenCurve(CVelkDoc& doc, Interaction& ia);

}  // namespace velk
