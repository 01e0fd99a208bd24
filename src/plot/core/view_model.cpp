#include "plot/core/view_model.h"

#include <algorithm>
#include <cmath>

#include "record/tr_noop.h"
#include "record/velk_doc.h"

namespace velk {

std::string CurveKindTitle(int kind) {
  static const char* const kTitles[] = {
      VELK_TRANSLATE_NOOP("velk", "original wave"),
      VELK_TRANSLATE_NOOP("velk", "calculate data graph重新整理后的图象"),
      VELK_TRANSLATE_NOOP("velk", "engineering stress curve"),
      VELK_TRANSLATE_NOOP("velk", "engineering strain curve"),
      VELK_TRANSLATE_NOOP("velk", "engineering strain rate curve"),
      VELK_TRANSLATE_NOOP("velk", "actual stress curve"),
      VELK_TRANSLATE_NOOP("velk", "actual strain curve"),
      VELK_TRANSLATE_NOOP("velk", "actual strain rate curve"),
      VELK_TRANSLATE_NOOP("velk", "engineering strain-stress curve"),
      VELK_TRANSLATE_NOOP("velk", "actual strain-stress curve"),
      VELK_TRANSLATE_NOOP("velk", "试样两端力"),
      VELK_TRANSLATE_NOOP("velk", "力平衡系数"),
  };
  if (kind < kFirstCurveKind || kind > kLastBalanceKind) return {};
  return kTitles[kind - kFirstCurveKind];
}

void ViewModel::SelectCurve(int kind, int showUnsmoothed, int showSmoothed) {
  if (kind != m_curveKind && onCaption) onCaption(CurveKindTitle(kind));
  m_curveKind = kind;
  m_showUnsmoothed = showUnsmoothed;
  m_showSmoothed = showSmoothed;
  if (kind >= kFirstCurveKind && kind <= kLastBalanceKind) m_scaleIndex = kind - kFirstCurveKind;
  BindCurveArrays();
}

void ViewModel::BindCurveArrays() {
  CVelkDoc& d = m_doc;
  const int kind = m_curveKind;
  if (kind == kOriginalWave) {
    if (d.m_shownWaves == 1) {
      m_unsmoothedY = &d.m_rawInc;
      m_smoothedY = &d.m_smoothInc;
    } else if (d.m_shownWaves == 2) {
      m_unsmoothedY = &d.m_rawTr;
      m_smoothedY = &d.m_smoothTr;
    }
    m_unsmoothedX = m_smoothedX = nullptr;
  } else if (kind == kProcessedWave) {
    if (d.m_shownWaves == 1) {
      m_unsmoothedY = &d.m_workInc;
      m_smoothedY = &d.m_smoothInc;
    } else {
      m_unsmoothedY = &d.m_workTr;
      m_smoothedY = &d.m_smoothTr;
    }
    m_unsmoothedX = m_smoothedX = nullptr;
  } else if (kind >= 5 && kind <= 10) {
    m_unsmoothedY = &d.m_computed[kind - 5];
    m_smoothedY = &d.m_smoothed[kind - 5];
    m_unsmoothedX = m_smoothedX = nullptr;
  } else if (kind == kEngStressStrain) {
    m_unsmoothedY = &d.Shown(kEngStress);
    m_unsmoothedX = &d.Shown(kEngStrain);
    m_smoothedY = &d.m_smoothed[kEngStress];
    m_smoothedX = &d.m_smoothed[kEngStrain];
  } else if (kind == kTrueStressStrain) {
    m_unsmoothedY = &d.Shown(kTrueStress);
    m_unsmoothedX = &d.Shown(kTrueStrain);
    m_smoothedY = &d.m_smoothed[kTrueStress];
    m_smoothedX = &d.m_smoothed[kTrueStrain];
  } else if (kind == kForcesCurve || kind == kBalanceCurve) {
    // Both forces, or the ratio, against time; drawn whatever the smoothing check boxes say.
    RefreshForces();
    m_unsmoothedY = kind == kForcesCurve ? &m_forces.frontKn : &m_forces.ratio;
    m_smoothedY = kind == kForcesCurve ? &m_forces.backKn : nullptr;
    m_unsmoothedX = m_smoothedX = &m_forces.timeUs;
  }
  Redraw();
}

std::pair<int, int> ViewModel::GetVisibleRange() const {
  const ScaleRecord& s = Current();
  const bool wave = m_curveKind == kOriginalWave || m_curveKind == kProcessedWave;
  const int n = wave ? m_doc.m_pointCount : m_doc.m_lastResultIndex;
  int first = 0;
  if (s.xStart >= 0) first = static_cast<int>(std::min(std::trunc(s.xStart), 2e9));
  int last = n;
  const bool xy = m_curveKind == kEngStressStrain || m_curveKind == kTrueStressStrain ||
                  m_curveKind == kForcesCurve || m_curveKind == kBalanceCurve;
  if (!xy && n >= s.xEnd) last = static_cast<int>(std::trunc(s.xEnd));
  // Never beyond the last element of what is drawn: waves end at point count - 1, curves at N.
  if (wave) last = std::min(last, m_doc.m_pointCount - 1);
  return {first, last};
}

void ViewModel::InitialUpdate() {
  m_pyramids.Clear();
  const CVelkDoc& d = m_doc;
  std::vector<double> joined;
  joined.reserve(d.m_rawInc.size() + d.m_rawTr.size());
  joined.insert(joined.end(), d.m_rawInc.begin(), d.m_rawInc.end());
  joined.insert(joined.end(), d.m_rawTr.begin(), d.m_rawTr.end());
  if (d.ws().Has(kRecordFileSource)) {
    ScaleRecordFileWaves(m_scales[0], joined, d.m_pointCount);
  } else {
    ScaleRawWaves(m_scales[0], joined, d.m_pointCount);
  }
  m_scales[1] = m_scales[0];
}

void ViewModel::ScaleResults() {
  const CVelkDoc& d = m_doc;
  const int last = d.m_lastResultIndex;
  for (int c = 0; c < kResultCurveCount; ++c)
    ScaleIndexCurve(m_scales[2 + c], d.m_computed[c], last);
  ScaleXYCurve(m_scales[8], d.Shown(kEngStrain), d.Shown(kEngStress), last);
  ScaleXYCurve(m_scales[9], d.Shown(kTrueStrain), d.Shown(kTrueStress), last);
  RefreshForces();
  std::vector<double> larger(m_forces.frontKn.size());
  for (std::size_t i = 0; i < larger.size(); ++i) {
    larger[i] = std::max(m_forces.frontKn[i], m_forces.backKn[i]);
  }
  ScaleXYCurve(m_scales[kForcesCurve - kFirstCurveKind], m_forces.timeUs, larger, last);
  ScaleRatioCurve(m_scales[kBalanceCurve - kFirstCurveKind], m_forces.timeUs, m_forces.ratio, last);
}

void ViewModel::RefreshForces() { m_forces = ComputeForceBalance(m_doc); }

}  // namespace velk
