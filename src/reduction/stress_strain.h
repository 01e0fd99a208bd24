#pragma once
// The specimen's force and deformation histories from the windowed working waves, and from them
// the six result curves (engineering and true stress, strain and strain rate) by one of five
// compute models.

#include "record/interaction.h"
#include "record/velk_doc.h"

namespace velk {

class FaceWindowMemo;

// Runs the computation of the record's compute model. On success fills the six computed curves
// (indices 0..N, N the last result index), copies them into the smoothed curves, sets the
// results-computed flag, scales the result axes of the view and enables the chooser's result
// buttons, and returns true. On refusal it has told the operator why and changed nothing.
// A memo (repeated computations on unchanged working waves) corrects the dispersion with its own
// rig and reuses its corrected windows.
bool ComputeStressStrain(CVelkDoc& doc, Interaction& ia, FaceWindowMemo* memo = nullptr);

// Resets the smoothed copies: the smoothed waves from the raw waves when the view shows a wave
// kind (the spare last entry repeats the last raw sample), and the smoothed curves from the
// computed curves when results exist.
void RefreshSmoothedCopies(CVelkDoc& doc);

}  // namespace velk
