#pragma once
// The centred moving mean that smooths the recorded waves or the six result curves. The window
// half-width is p points and shrinks symmetrically towards both ends; the first and last values
// stay as they are. Smoothing works on the smoothed copies only.

#include <span>
#include <vector>

#include "record/interaction.h"
#include "record/velk_doc.h"

namespace velk {

// True when p points can smooth a[0..last] of an array of size values: 1 <= p, 2p - 2 <= last,
// last < size.
bool SmoothingArgsValid(int p, int last, std::size_t size);

// a[0..last] smoothed with p points: b[i] is the mean of the p samples ending at a[i] and of the p
// samples starting at a[i], averaged (fewer near the ends). Returns last + 1 values. With
// arguments that are not valid it returns the values unchanged (as many of them as exist).
std::vector<double> SmoothArray(std::span<const double> a, int p, int last);

// Smooths, in place over indices 0..last, the smoothed waves (curve kinds 3 and 4) or the six
// smoothed curves (any other kind); entries after last keep their values. The arguments must be
// valid for every array (see ApplySmoothing); an array they do not fit is left alone. Shows
// "Error" and returns false when memory runs out.
bool SmoothArrays(CVelkDoc& doc, int p, int last, Interaction& ia);

// The "光滑" button: smooths what the view shows, with p points over L total points for the wave
// kinds or over the last result index for the result kinds. A pass starts from unsmoothed copies
// unless "光滑后曲线" is checked. Refuses, with a message and nothing changed, p below 1, p too
// large for the points, or L beyond the waves. Returns true when it smoothed.
bool ApplySmoothing(CVelkDoc& doc, int p, int L, Interaction& ia);

}  // namespace velk
