#include "reduction/calculate.h"

#include <algorithm>

#include "plot/core/view_model.h"
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
  if (doc.m_rawInc.empty() || doc.m_rawTr.empty() || doc.m_workInc.empty() ||
      doc.m_workTr.empty()) {
    ia.ShowMessage("No waves are loaded.");
    return kRefused;
  }
  if (ShowsSmoothed(doc)) {
    CopyInto(doc.m_smoothInc, doc.m_workInc);
    CopyInto(doc.m_smoothTr, doc.m_workTr);
  } else {
    CopyInto(doc.m_rawInc, doc.m_workInc);
    CopyInto(doc.m_rawTr, doc.m_workTr);
  }

  int result = kCancelled;
  switch (ia.ChooseWindowMethod()) {
    case kMethodPick:
      result = PickWaveFronts(doc, ia);
      break;
    case kMethodAlign:
      result = AlignWavePeaks(doc, ia);
      break;
    case kMethodType:
      result = TypeWaveWindows(doc, ia);
      break;
    default:
      return kCancelled;
  }
  if (result != kDone) return result;

  doc.m_chooser.processedEnabled = true;
  doc.NotifyChooser();
  if (ViewModel* v = doc.m_view) {
    v->SelectCurve(kProcessedWave, v->m_showUnsmoothed, v->m_showSmoothed);
  }
  return ComputeStressStrain(doc, ia) ? kDone : kRefused;
}

bool OnRecalculate(CVelkDoc& doc, Interaction& ia) {
  if (!doc.m_chooser.processedEnabled) return false;
  return ComputeStressStrain(doc, ia);
}

}  // namespace velk
