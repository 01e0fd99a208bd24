#pragma once
// The two computing commands of a test record: 32807 "计算" (rebuild the working waves, place the
// windows by the method the operator picks, compute) and 32806 "重新计算" (compute again with the
// windows in place, after parameters changed).

#include "record/interaction.h"
#include "record/velk_doc.h"

namespace velk {

// Command 32807. The working waves are rebuilt from the raw waves, or from the smoothed waves
// when the smoothed curves are shown, and stay rebuilt when the operator cancels the method or
// the typed windows (they then equal their source). Returns kDone when results were computed,
// kCancelled when the operator cancelled, kRefused when a method or the computation refused (the
// operator has been told).
int OnCalculate(CVelkDoc& doc, Interaction& ia);

// Command 32806; enabled once 32807 has placed windows on this record (the chooser's
// "处理后波形" button). Returns true when results were computed.
bool OnRecalculate(CVelkDoc& doc, Interaction& ia);

}  // namespace velk
