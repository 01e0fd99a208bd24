#pragma once
// Command 32823 "recapitulation": every test parameter on one screen.

#include "record/interaction.h"
#include "record/pages.h"
#include "record/velk_doc.h"

namespace velk {

// The dialog's fields from the program-wide test parameters.
RecapFields RecapFromParameters(const TestParameters& p);
// Every field back into the test parameters.
void RecapToParameters(const RecapFields& f, TestParameters& p);

// The summary section: label (source text) and value of each summary value of the computed
// results; empty before a computation.
std::vector<RecapRow> RecapSummary(const CVelkDoc& doc);

// Shows the recapitulation; OK writes every field back (edited or not), Cancel changes nothing.
// Nothing is recomputed.
void OnRecapitulation(CVelkDoc& doc, Interaction& ia);

}  // namespace velk
