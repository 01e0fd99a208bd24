#pragma once
// Bringing the two recorded channels to a common zero and scale: the bridge conversion factor,
// the channel rearrangement that builds the working waves, and the two commands that edit the
// baseline ranges, the wave windows and the bridge parameters.

#include <span>
#include <string>

#include "record/interaction.h"
#include "record/pages.h"
#include "record/velk_doc.h"

namespace velk {

// Microstrain per volt of a bridge channel: 4e6 / (gain * voltage * gaugeFactor * arms), the
// product taken in that order; a zero product counts as 1e6, so any zero input gives 4.0.
double BridgeConversionFactor(double arms, double voltage, double gain, double gaugeFactor);

// The value as the read-only factor field shows it: formatted with six decimals ("%f") and read
// back. Independent of the C locale.
double AsShownFixed6(double value);
// The text of that field ("476.190476").
std::string FormatFixed6(double value);

// Change handler of a bridge page: recomputes its factor as the field shows it.
void RecalculateFactor(ParameterPage& page);

// Shapes the working waves in place (they hold the raw or smoothed waves as the window method
// left them): zero outside the incident window, between the incident end and the reflected start
// and outside the transmitted window; less the channel's baseline mean inside, and from the
// reflected start to the end of the incident channel. Ranges are half-open; every bound is
// clamped to 0..n.
void RearrangeChannels(CVelkDoc& doc);
// The same rearrangement of inc and tr (the raw or smoothed waves, or the working waves
// themselves) written into the working waves in one pass, instead of a copy and a second pass
// over it. Working-wave samples beyond a shorter source become zero.
void RearrangeChannelsFrom(CVelkDoc& doc, std::span<const double> inc, std::span<const double> tr);

// Command 32787 "结果计算": the "calculate" sheet with the wave positions (from the program-wide
// window indices) and the baseline ranges. On OK the ranges and the record's own windows take the
// page values and the baseline means follow. Returns kDone or kCancelled. A page the operator
// never opened (SheetPage::opened) is not read back; the first page is on screen when a sheet
// opens and always counts as opened. The same holds for every conversion sheet.
int OnResultSettings(CVelkDoc& doc, Interaction& ia);

// Command 32805 "桥/应变仪/应变片参数": the "parameter" sheet with one bridge page per channel. On
// OK each opened page's five values go to its channel's slots, the bridge-parameters flag is set
// and the calibration flag cleared. Does nothing on a test read from a CS20000 file.
void OnBridgeParameters(CVelkDoc& doc, Interaction& ia);

}  // namespace velk
