#include "reduction/wave_windows.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "record/doc_view.h"
#include "record/peak_search.h"
#include "record/tr_noop.h"
#include "reduction/conditioning.h"

namespace velk {

namespace {

// A spike search in method 1 that never finds a pulse of 80 samples gives up after this many
// erasures instead of looping for ever.
constexpr int kMaxSpikePasses = 100;
constexpr int kMinTransmittedLength = 80;

template <typename Rising, typename Beyond>
int FirstExtreme(int first, int last, double base, std::span<const double> a, int m, Rising rising,
                 Beyond beyond) {
  const int n = static_cast<int>(a.size());
  for (int k = first + 1; k <= last; ++k) {
    // The test looks one sample past k; the last sample of the array cannot be confirmed.
    if (k + 1 >= n) break;
    if (!(rising(a[k - 1], a[k]) && !rising(a[k], a[k + 1]) && beyond(a[m] - base, a[k] - base))) {
      continue;
    }
    if (a[k] != a[k + 1]) return k;
    int c = k + 1;
    while (c < last && a[c] == a[k]) ++c;
    if (!rising(a[k], a[c])) return k;
  }
  return m;
}

}  // namespace

int FirstPeak(int first, int last, double base, std::span<const double> a) {
  const int n = static_cast<int>(a.size());
  if (n == 0) return 0;
  first = std::clamp(first, 0, n - 1);
  last = std::min(last, n - 1);
  const int m = IndexOfMax(first, last, a);
  return FirstExtreme(
      first, last, base, a, m, [](double lo, double hi) { return lo < hi; },
      [](double peak, double v) { return peak * 0.5 < v; });
}

int FirstTrough(int first, int last, double base, std::span<const double> a) {
  const int n = static_cast<int>(a.size());
  if (n == 0) return 0;
  first = std::clamp(first, 0, n - 1);
  last = std::min(last, n - 1);
  const int m = IndexOfMin(first, last, a);
  return FirstExtreme(
      first, last, base, a, m, [](double hi, double lo) { return hi > lo; },
      [](double trough, double v) { return v < trough * 0.5; });
}

namespace {

// One central difference of half-width h at j with weight 1/(2h). Near either end of the channel
// the difference is taken over the samples that exist, divided by their true distance.
double CentralDifference(std::span<const double> x, int j, int h, double weight) {
  const int n = static_cast<int>(x.size());
  int lo = j - h, hi = j + h;
  if (lo >= 0 && hi < n) return (x[hi] - x[lo]) * weight;
  lo = std::max(lo, 0);
  hi = std::min(hi, n - 1);
  if (hi <= lo) return 0.0;
  return (x[hi] - x[lo]) / static_cast<double>(hi - lo);
}

}  // namespace

FrontResult LocateFront(std::span<double> x, double b, Polarity polarity, int j0, int endOffset) {
  FrontResult r;
  const int n = static_cast<int>(x.size());
  const bool pos = polarity == Polarity::kPositive;
  if (j0 < 0 || j0 >= n || !(pos ? x[j0] > b : x[j0] < b)) {
    r.fault = FrontFault::kNoPulse;
    return r;
  }
  const double thr = (x[j0] - b) * 0.16666666666666666 + b;
  auto crossed = [&](double v) { return pos ? v >= thr : v <= thr; };
  int j = j0;
  while (j >= 0 && crossed(x[j])) --j;
  // x[j0] lies beyond the threshold, so j < j0 and j + 1 is a sample of the channel.

  int start = j + 1;
  bool reshape = false;
  double s = 0.0;
  if (j >= 0) {
    s = (CentralDifference(x, j, 6, 0.08333333333333333) +
         CentralDifference(x, j, 3, 0.16666666666666666) + CentralDifference(x, j, 8, 0.0625)) *
        0.3333333333333333;
    const double ratio = (x[j + 1] - b) / s;
    const double arrival = std::trunc((j + 1) - ratio) + 1;
    // A flat or backward front would put the arrival anywhere, and an arrival before the first
    // sample cannot be written: then the threshold crossing is the start and the wave stays.
    if ((pos ? s > 0.0 : s < 0.0) && std::isfinite(ratio) && arrival >= 0.0) {
      start = static_cast<int>(arrival);
      reshape = true;
    }
  }
  r.unreshaped = !reshape;
  if (reshape) {
    x[start] = b;
    for (int k = j; k >= start + 1; --k) x[k] = x[k + 1] - s;
  }

  int e = start + endOffset;
  while (e < n && (pos ? x[e] > b : x[e] < b)) ++e;
  r.window = {start, std::min(e, n)};
  return r;
}

void CommitWindows(CVelkDoc& doc) {
  doc.ws().params.windowIndices = doc.m_windows;
  RearrangeChannels(doc);
}

namespace {

int UsablePoints(const CVelkDoc& doc) {
  return static_cast<int>(std::min(doc.m_workInc.size(), doc.m_workTr.size()));
}

// Shows one channel's raw wave for a pick, keeping the view's display flags.
void ShowChannel(CVelkDoc& doc, int shownWaves) {
  doc.m_shownWaves = shownWaves;
  if (DocView* v = doc.m_view)
    v->SelectCurve(kOriginalWave, v->m_showUnsmoothed, v->m_showSmoothed);
}

void RestoreChannel(CVelkDoc& doc, int shownWaves) {
  doc.m_shownWaves = shownWaves;
  if (doc.m_view != nullptr) doc.m_view->BindCurveArrays();
}

}  // namespace

int PickWaveFronts(CVelkDoc& doc, Interaction& ia) {
  const int n = UsablePoints(doc);
  if (n == 0) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "No waves are loaded."));
    return kRefused;
  }
  const int saved = doc.m_shownWaves;
  int picks[3] = {0, 0, 0};
  const char* const prompts[3] = {VELK_TRANSLATE_NOOP("velk", "请选择入射波上一点"),
                                  VELK_TRANSLATE_NOOP("velk", "请选择反射波上一点"),
                                  VELK_TRANSLATE_NOOP("velk", "请选择透射波上一点")};
  for (int p = 0; p < 3; ++p) {
    if (p != 1) ShowChannel(doc, p == 0 ? 1 : 2);
    ia.ShowMessage(prompts[p]);
    if (ia.PickPoint(doc) != kDone) {
      RestoreChannel(doc, saved);
      return kCancelled;
    }
    picks[p] = std::clamp(doc.m_pickedIndex, 0, n - 1);
  }
  RestoreChannel(doc, saved);

  // Work on copies so that a refusal leaves the working waves as they were.
  std::vector<double> wi(doc.m_workInc.begin(), doc.m_workInc.begin() + n);
  std::vector<double> wt(doc.m_workTr.begin(), doc.m_workTr.begin() + n);
  const double bI = doc.m_incBaseMean, bT = doc.m_trBaseMean;

  const FrontResult inc =
      LocateFront(wi, bI, Polarity::kPositive, IndexOfMax(0, picks[0], wi), 100);
  if (inc.fault != FrontFault::kNone) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk",
                                       "No incident pulse rises above the baseline up to the "
                                       "picked point %1. Pick a point at or "
                                       "after the peak of the incident wave."),
                   {std::to_string(picks[0])});
    return kRefused;
  }
  const FrontResult ref =
      LocateFront(wi, bI, Polarity::kNegative, IndexOfMin(0, picks[1], wi), 100);
  if (ref.fault != FrontFault::kNone) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk",
                                       "No reflected pulse falls below the baseline up to the "
                                       "picked point %1. Pick a point at "
                                       "or after the trough of the reflected wave."),
                   {std::to_string(picks[1])});
    return kRefused;
  }

  FrontResult tr;
  int pass = 0;
  for (;; ++pass) {
    if (pass == kMaxSpikePasses) {
      ia.ShowMessage(
          VELK_TRANSLATE_NOOP(
              "velk",
              "Every transmitted pulse found up to the picked point %1 was shorter than %2 samples "
              "and was taken for a spike; after %3 of them the search stopped. Pick a point after "
              "the "
              "transmitted pulse, or type the windows (method 3)."),
          {std::to_string(picks[2]), std::to_string(kMinTransmittedLength),
           std::to_string(kMaxSpikePasses)});
      return kRefused;
    }
    tr = LocateFront(wt, bT, Polarity::kPositive, IndexOfMax(0, picks[2], wt), 1);
    if (tr.fault != FrontFault::kNone) {
      ia.ShowMessage(VELK_TRANSLATE_NOOP("velk",
                                         "No transmitted pulse rises above the baseline up to the "
                                         "picked point %1. Pick a point "
                                         "at or after the peak of the transmitted wave."),
                     {std::to_string(picks[2])});
      return kRefused;
    }
    if (tr.window.end - tr.window.start >= kMinTransmittedLength) break;
    // A spike: erase it with five samples either side and search again.
    const int from = std::max(tr.window.start - 5, 0);
    const int to = std::min(tr.window.end + 5, n - 1);
    for (int k = from; k <= to; ++k) wt[k] = bT;
  }

  std::copy(wi.begin(), wi.end(), doc.m_workInc.begin());
  std::copy(wt.begin(), wt.end(), doc.m_workTr.begin());
  doc.m_windows = {inc.window.start, inc.window.end,  ref.window.start,
                   ref.window.end,   tr.window.start, tr.window.end};
  CommitWindows(doc);
  return kDone;
}

namespace {

// The lobe of largest area on one side of the baseline: a lobe begins at the first sample after the
// previous one ended, whatever its sign, and ends (that sample not counted) at the first sample
// back on or across the baseline. A lobe still open at the last sample counts only when closeAtEnd.
std::optional<WaveWindow> LargestLobe(std::span<const double> x, double b, Polarity polarity,
                                      bool closeAtEnd) {
  const int n = static_cast<int>(x.size());
  const bool pos = polarity == Polarity::kPositive;
  double area = 0.0, best = 0.0;
  bool inside = false;
  int lobeStart = 0;
  std::optional<WaveWindow> lobe;
  for (int i = 0; i < n; ++i) {
    const bool back = pos ? x[i] <= b : x[i] >= b;
    if (inside && (back || (closeAtEnd && i == n - 1))) {
      if (pos ? area > best : area < best) {
        best = area;
        lobe = WaveWindow{lobeStart, i};
      }
      inside = false;
      area = 0.0;
      continue;
    }
    area += x[i] - b;
    if (!inside) {
      lobeStart = i;
      inside = true;
    }
  }
  return lobe;
}

}  // namespace

int AlignWavePeaks(CVelkDoc& doc, Interaction& ia) {
  const int n = UsablePoints(doc);
  if (n == 0) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "No waves are loaded."));
    return kRefused;
  }
  std::vector<double> wi(doc.m_workInc.begin(), doc.m_workInc.begin() + n);
  std::vector<double> wt(doc.m_workTr.begin(), doc.m_workTr.begin() + n);
  const double bI = doc.m_incBaseMean, bT = doc.m_trBaseMean;

  const auto incLobe = LargestLobe(wi, bI, Polarity::kPositive, false);
  const auto refLobe = LargestLobe(wi, bI, Polarity::kNegative, true);
  const auto trLobe = LargestLobe(wt, bT, Polarity::kPositive, true);
  if (!incLobe) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP(
        "velk",
        "No incident pulse was found: the incident channel never rises above its baseline. No "
        "window was placed."));
    return kRefused;
  }
  if (!refLobe) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP(
        "velk",
        "No reflected pulse was found: the incident channel never falls below its baseline. No "
        "window was placed."));
    return kRefused;
  }
  if (!trLobe) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP(
        "velk",
        "No transmitted pulse was found: the transmitted channel never rises above its baseline. "
        "No window was placed."));
    return kRefused;
  }

  const FrontResult inc = LocateFront(wi, bI, Polarity::kPositive,
                                      FirstPeak(incLobe->start, incLobe->end, bI, wi), 100);
  const FrontResult ref = LocateFront(wi, bI, Polarity::kNegative,
                                      FirstTrough(refLobe->start, refLobe->end, bI, wi), 100);
  const FrontResult tr =
      LocateFront(wt, bT, Polarity::kPositive, FirstPeak(trLobe->start, trLobe->end, bT, wt), 100);
  if (inc.fault != FrontFault::kNone || ref.fault != FrontFault::kNone ||
      tr.fault != FrontFault::kNone) {
    // Only possible when the incident front's ramp overwrote the reflected lobe's trough.
    ia.ShowMessage(VELK_TRANSLATE_NOOP(
        "velk", "The pulse fronts could not be located. No window was placed."));
    return kRefused;
  }

  std::copy(wi.begin(), wi.end(), doc.m_workInc.begin());
  std::copy(wt.begin(), wt.end(), doc.m_workTr.begin());
  doc.m_windows = {inc.window.start, inc.window.end,  ref.window.start,
                   ref.window.end,   tr.window.start, tr.window.end};
  CommitWindows(doc);
  return kDone;
}

int TypeWaveWindows(CVelkDoc& doc, Interaction& ia) {
  return TypeWaveWindows(doc, ia, doc.m_workInc, doc.m_workTr);
}

int TypeWaveWindows(CVelkDoc& doc, Interaction& ia, std::span<const double> inc,
                    std::span<const double> tr) {
  if (OnResultSettings(doc, ia) != kDone) return kCancelled;
  doc.ws().params.windowIndices = doc.m_windows;
  RearrangeChannelsFrom(doc, inc, tr);
  return kDone;
}

}  // namespace velk
