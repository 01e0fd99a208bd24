#pragma once
// The uncertainty of the record's present results, kept on the record and forgotten as soon as the
// results change, so that a band is never drawn or exported around curves it was not computed
// for. The plot and the exports read it here; result_uncertainty.h makes it.

#include <cstdint>

#include "analysis/uncertainty.h"
#include "record/velk_doc.h"

namespace velk {

struct ResultUncertainty {
  UncertaintyInputs inputs;
  UncertaintyOptions options;
  UncertaintyResult result;
  std::uint64_t fingerprint = 0;  // of the results the band belongs to (ResultsFingerprint)
};

// Changes whenever anything a band depends on changes: the computed and smoothed curves, the last
// result index, the windows and the physical parameters.
std::uint64_t ResultsFingerprint(const CVelkDoc& doc);

// The record's band, or null when there is none or the results changed since it was computed.
const ResultUncertainty* CurrentUncertainty(const CVelkDoc& doc);
// The same, dropping a band that no longer belongs to the results.
const ResultUncertainty* CurrentUncertainty(CVelkDoc& doc);

}  // namespace velk
