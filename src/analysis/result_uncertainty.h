#pragma once
// The uncertainty run on the record's present results, from the dialog "不确定度..." or from
// velk-reduce --uncertainty.

#include <functional>

#include "analysis/result_band.h"
#include "record/interaction.h"
#include "record/velk_doc.h"

namespace velk {

// Runs the Monte Carlo on the record's present results with the stated uncertainties and keeps
// the band on the record. Progress goes to ia.ShowProgress, which may cancel. False, with the
// operator told why (unless cancelled), when there are no results, the results are not the ones
// the present parameters give, or the computation fails; the previous band is then dropped.
bool ComputeResultUncertainty(CVelkDoc& doc, const UncertaintyInputs& in, Interaction& ia,
                              const UncertaintyOptions& options = {});

// The dialog "不确定度...": the inputs the operator edits, and the run its button starts.
struct UncertaintySheet {
  UncertaintyInputs inputs;
  // Runs the Monte Carlo with `inputs`; afterwards `shown` is the band computed (null on failure).
  std::function<bool(UncertaintySheet&)> run;
  const ResultUncertainty* shown = nullptr;
};

// Parameter menu "不确定度...": the dialog on the record, starting from `inputs` (the ones used
// last) and leaving there the ones the operator entered.
void OnUncertainty(CVelkDoc& doc, Interaction& ia, UncertaintyInputs& inputs);

// The input that dominates a summary value (largest share of the first-order variance), or -1.
int DominantInput(const ScalarUncertainty& s);

}  // namespace velk
