#pragma once
// The Monte Carlo model of a test record: the program's own stress-strain computation, run on a
// copy of the record with the inputs changed by a Perturbation.

#include <array>
#include <functional>
#include <vector>

#include "analysis/uncertainty.h"
#include "record/velk_doc.h"

namespace velk {

using ResultCurves = std::array<std::vector<double>, kResultCurveCount>;
// The summary values of one result; must not keep or share state (it runs on several threads).
using SummaryValues = std::function<std::vector<double>(const ResultCurves&)>;

// The summary values reported unless the caller gives its own, in the order of
// StandardSummaryFields: peak engineering stress (MPa), peak true stress (MPa), engineering strain
// at the last result point, mean engineering strain rate (1/s). NaN for an empty result.
std::vector<double> StandardSummaryValues(const ResultCurves& curves);
const std::array<UncertaintyField, 4>& StandardSummaryFields();

// A model factory for RunUncertainty. Each model it makes owns a copy of the record's working
// waves (the windowed pulses the computation reads), windows, setup fields and test parameters, as
// the computation would take them now, so the threads share nothing and the record itself is never
// changed. `doc` is read when the factory is called: it must outlive RunUncertainty and not change
// while it runs.
//
// What a Perturbation changes, from the values the computation would use unperturbed:
// - each channel's conversion factor: times (1 + conversion change) / (1 + gauge-factor change),
//   whichever way the factor was set (bridge formula, calibration or typed, all inversely
//   proportional to the gauge factor);
// - the bar modulus and wave speed by their relative changes, the bar area and diameter by the
//   diameter change (the diameter taken from the area); a transmission bar of its own takes the
//   same changes (fully correlated); the bar table is then not read again;
// - the specimen diameter and thickness, the sampling frequency (and the sample interval);
// - the incident, reflected and transmitted window starts by whole samples, clamped to the
//   channel (the transmitted start also to its window end). The ends stay, so a start moved later
//   gives one result point fewer; a start moved earlier reads the working wave as the window method
//   left it, zero before a pulse's front.
// The dispersion correction, when on, keeps the nominal bars and sample interval in every draw.
UncertaintyModelFactory RecordUncertaintyModel(const CVelkDoc& doc,
                                               SummaryValues summary = StandardSummaryValues);

}  // namespace velk
