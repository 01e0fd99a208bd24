#include "reduction/calculate.h"

#include <algorithm>
#include <new>

#include "record/doc_view.h"
#include "record/reader_common.h"
#include "record/tr_noop.h"
#include "reduction/stress_strain.h"
#include "reduction/view_access.h"
#include "reduction/wave_windows.h"

namespace velk {

namespace {

// Button codes of the method dialog "数据计算".
constexpr int kMethodPick = 4, kMethodAlign = 5, kMethodType = 6;

void CopyInto(const std::vector<double>& from, std::vector<double>& to) {
  std::copy_n(from.begin(), std::min(from.size(), to.size()), to.begin());
}

}  // namespace

int OnCalculate(CVelkDoc& doc, Interaction& ia) {
  if (doc.m_rawInc.empty() || doc.m_rawTr.empty()) {
    ia.ShowMessage(VELK_TRANSLATE_NOOP("velk", "No waves are loaded."));
    return kRefused;
  }
  try {
    doc.MakeWaveCopies();
  } catch (const std::bad_alloc&) {
    ia.ShowMessage(kAllocFault);
    return kRefused;
  }
  // The working waves start from the raw waves, or from their smoothed copies when those are shown.
  const bool smoothed = ShowsSmoothed(doc);
  const std::vector<double>& fromInc = smoothed ? doc.m_smoothInc : doc.m_rawInc;
  const std::vector<double>& fromTr = smoothed ? doc.m_smoothTr : doc.m_rawTr;
  auto startFromSource = [&] {
    CopyInto(fromInc, doc.m_workInc);
    CopyInto(fromTr, doc.m_workTr);
  };

  int result = kCancelled;
  switch (ia.ChooseWindowMethod()) {
    case kMethodPick:
      startFromSource();
      result = PickWaveFronts(doc, ia);
      break;
    case kMethodAlign:
      startFromSource();
      result = AlignWavePeaks(doc, ia);
      break;
    case kMethodType:
      // Typed windows need no search on the working waves: they are written rearranged straight
      // from the source, one pass over each channel instead of a copy and a second pass.
      result = TypeWaveWindows(doc, ia, fromInc, fromTr);
      if (result == kCancelled) startFromSource();
      break;
    default:
      startFromSource();
      return kCancelled;
  }
  if (result != kDone) return result;

  doc.m_chooser.processedEnabled = true;
  doc.NotifyChooser();
  if (DocView* v = doc.m_view) {
    v->SelectCurve(kProcessedWave, v->m_showUnsmoothed, v->m_showSmoothed);
  }
  return ComputeStressStrain(doc, ia) ? kDone : kRefused;
}

bool OnRecalculate(CVelkDoc& doc, Interaction& ia) {
  if (!doc.m_chooser.processedEnabled) return false;
  return ComputeStressStrain(doc, ia);
}

}  // namespace velk
