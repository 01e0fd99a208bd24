#include "reduction/smoothing.h"

#include <algorithm>
#include <new>
#include <string>

#include "record/doc_view.h"
#include "record/reader_common.h"
#include "record/tr_noop.h"
#include "reduction/stress_strain.h"
#include "reduction/view_access.h"

namespace velk {

bool SmoothingArgsValid(int p, int last, std::size_t size) {
  return p >= 1 && last >= 0 && 2LL * p - 2 <= last && static_cast<std::size_t>(last) < size;
}

namespace {

// (mean of a[i], a[i-1] .. a[i-w+1]  +  mean of a[i], a[i+1] .. a[i+w-1]) * 0.5, each sum fresh.
double Point(std::span<const double> a, int i, int w) {
  double back = 0.0;
  for (int k = 0; k < w; ++k) back += a[i - k];
  double fore = 0.0;
  for (int k = 0; k < w; ++k) fore += a[i + k];
  return (back / static_cast<double>(w) + fore / static_cast<double>(w)) * 0.5;
}

}  // namespace

std::vector<double> SmoothArray(std::span<const double> a, int p, int last) {
  if (!SmoothingArgsValid(p, last, a.size())) {
    const std::size_t count = last < 0 ? 0 : std::min(a.size(), static_cast<std::size_t>(last) + 1);
    return {a.begin(), a.begin() + count};
  }
  const int L = last;
  std::vector<double> b(L + 1);
  for (int i = p - 2; i >= 1; --i) b[i] = Point(a, i, i + 1);
  for (int i = p - 1; i <= L - p + 1; ++i) b[i] = Point(a, i, p);
  for (int i = L - p + 2; i <= L - 1; ++i) b[i] = Point(a, i, L - i + 1);
  b[0] = a[0];
  b[L] = a[L];
  return b;
}

bool SmoothArrays(CVelkDoc& doc, int p, int last, Interaction& ia) {
  auto smooth = [&](std::vector<double>& a) {
    if (!SmoothingArgsValid(p, last, a.size())) return;
    const std::vector<double> b = SmoothArray(a, p, last);
    // Only 0..last is replaced: the arrays keep their length, so every reader of the whole array
    // stays inside it.
    std::copy(b.begin(), b.end(), a.begin());
  };
  try {
    if (IsWaveKind(CurrentCurveKind(doc))) {
      smooth(doc.m_smoothInc);
      smooth(doc.m_smoothTr);
    } else {
      for (auto& a : doc.m_smoothed) smooth(a);
    }
  } catch (const std::bad_alloc&) {
    // Arrays smoothed before the failure keep their new values, the others stay as they were.
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "Error"));
    return false;
  }
  return true;
}

bool ApplySmoothing(CVelkDoc& doc, int p, int L, Interaction& ia) {
  const bool waves = IsWaveKind(CurrentCurveKind(doc));
  int last = 0;
  if (waves) {
    last = L;
    try {
      doc.MakeWaveCopies();
    } catch (const std::bad_alloc&) {
      ia.ShowMessage(kAllocFault);
      return false;
    }
    const std::size_t size = std::min(doc.m_smoothInc.size(), doc.m_smoothTr.size());
    if (size == 0) {
      ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "No waves are loaded."));
      return false;
    }
    if (L < 0 || static_cast<std::size_t>(L) >= size) {
      ia.ShowMessage(
          VELK_TRANSLATE_NOOP(
              "velk", "The total points must lie between 0 and %1, the points of the waves."),
          {std::to_string(size - 1)});
      return false;
    }
  } else {
    if (!doc.ws().Has(kResultsComputed) || doc.m_lastResultIndex < 0) {
      ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "There are no results to smooth yet."));
      return false;
    }
    last = doc.m_lastResultIndex;
  }
  if (p < 1 || 2LL * p - 2 > last) {
    ia.ShowMessage(
        VELK_TRANSLATE_NOOP(
            "velk",
            "The smoothing points must lie between 1 and %1 for %2 points; nothing was smoothed."),
        {std::to_string(last / 2 + 1), std::to_string(last + 1)});
    return false;
  }

  doc.ws().Set(waves ? kWavesSmoothed : kCurvesSmoothed);
  if (!doc.m_chooser.showSmoothedChecked) RefreshSmoothedCopies(doc);
  if (!SmoothArrays(doc, p, last, ia)) return false;
  DocView* v = doc.m_view;
  const bool shown = v != nullptr ? v->m_showSmoothed != 0 : doc.m_chooser.showSmoothedChecked;
  if (!shown) {
    if (v != nullptr) v->m_showSmoothed = 1;
    doc.m_chooser.showSmoothedChecked = true;
    doc.NotifyChooser();
  }
  if (v != nullptr) v->BindCurveArrays();
  return true;
}

}  // namespace velk
