#pragma once
// What the reduction commands need to know about the record's plot view. The batch command may
// run without a view; then the curve chooser's check box stands in for the view's show-smoothed
// flag, and the curve kind is the result curves once results exist, the recorded waves before.

#include "record/doc_view.h"
#include "record/velk_doc.h"

namespace velk {

// Curve kind the record's view shows (3..12), or the stand-in kind when there is no view.
inline int CurrentCurveKind(const CVelkDoc& doc) {
  if (doc.m_view != nullptr) return doc.m_view->m_curveKind;
  return doc.ws().Has(kResultsComputed) ? kEngStressStrain : kOriginalWave;
}

inline bool IsWaveKind(int kind) { return kind == kOriginalWave || kind == kProcessedWave; }

// Whether the smoothed curves are the ones shown.
inline bool ShowsSmoothed(const CVelkDoc& doc) {
  if (doc.m_view != nullptr) return doc.m_view->m_showSmoothed != 0;
  return doc.m_chooser.showSmoothedChecked;
}

}  // namespace velk
