#pragma once
// Placing the incident, reflected and transmitted wave windows on the working waves: by points
// the operator picks (method 1), by aligning the largest lobes automatically (method 2), or by
// typed bounds (method 3). Methods 1 and 2 also turn the foot of each pulse into a straight ramp
// from its extrapolated arrival. Every method that succeeds stores the six bounds as the window
// indices and rearranges the channels.

#include <optional>
#include <span>
#include <string>

#include "record/interaction.h"
#include "record/velk_doc.h"

namespace velk {

// A window method that could not place its windows; the operator has been told why and nothing
// of the record changed. Returned beside kDone and kCancelled.
inline constexpr int kRefused = 3;

enum class Polarity { kPositive, kNegative };

struct WaveWindow {
  int start = 0;
  int end = 0;  // one past the last sample of the window, at most n
};

// Index of the first local maximum in first..last that rises above half of the range's peak height
// over base; the range's maximum when there is none. A plateau counts at its first sample when it
// is followed by a fall. A sample is a local maximum only when its successor exists in the array.
int FirstPeak(int first, int last, double base, std::span<const double> a);
// The mirror image for troughs.
int FirstTrough(int first, int last, double base, std::span<const double> a);

// Why a front could not be located.
enum class FrontFault { kNone, kNoPulse };

struct FrontResult {
  WaveWindow window;
  FrontFault fault = FrontFault::kNone;
  // The slope could not be used (no baseline sample before the peak, zero or wrong-signed
  // slope, arrival before the first sample): the window starts at the threshold crossing and the
  // wave was left as it was.
  bool unreshaped = false;
};

// Locates the front of the pulse whose peak is at j0 on the wave x with baseline b, reshapes its
// foot into a straight ramp and finds where the pulse returns to the baseline, searching from
// start + endOffset. x is changed in place. A peak that does not lie on the pulse's side of the
// baseline gives kNoPulse and leaves x alone.
FrontResult LocateFront(std::span<double> x, double b, Polarity polarity, int j0, int endOffset);

// Method 1: the operator picks a point at or after the peak of each wave. kDone, kCancelled (a
// pick was cancelled) or kRefused.
int PickWaveFronts(CVelkDoc& doc, Interaction& ia);
// Method 2: the largest lobe of each polarity, its first significant peak and front. kDone or
// kRefused (a channel without a pulse).
int AlignWavePeaks(CVelkDoc& doc, Interaction& ia);
// Method 3: the bounds typed on the "calculate" sheet. kDone or kCancelled. The working waves are
// rearranged in place, or written rearranged from inc and tr (RearrangeChannelsFrom); a cancelled
// sheet leaves them as they were.
int TypeWaveWindows(CVelkDoc& doc, Interaction& ia);
int TypeWaveWindows(CVelkDoc& doc, Interaction& ia, std::span<const double> inc,
                    std::span<const double> tr);

// Stores the record's six windows as the program-wide window indices and rearranges the channels.
void CommitWindows(CVelkDoc& doc);

}  // namespace velk
