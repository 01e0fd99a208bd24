#pragma once
// What the view's mouse and settings commands do to the record and the scale records, without
// any window: the baseline range dragged over the raw wave and the graph settings sheet.

#include "plot/core/plot_geometry.h"
#include "record/pages.h"

namespace velk {

class Interaction;
class ViewModel;

// A baseline range dragged from pixel column left to right (left <= right) on the raw wave:
// stores the range of the shown channel, clamped to the wave, and recomputes both baseline
// means. False (nothing changed) unless the view shows kind 3 and the record has samples.
bool ApplyBaselineDrag(ViewModel& vm, const PlotMetrics& m, int left, int right);

// The "graph" sheet with its one "coordinate" page, filled from a scale record.
Sheet MakeGraphSheet(const ScaleRecord& s);
// Writes the page's starts, ends and steps into s with matching ranges; decimals stay.
void ApplyGraphSheet(const Sheet& sheet, ScaleRecord& s);
// Runs the sheet on the current scale record; on OK applies it and redraws. True on OK.
bool RunGraphSettings(ViewModel& vm, Interaction& ui);

}  // namespace velk
