#include "plot/core/pick_session.h"

#include <algorithm>

#include "plot/core/view_model.h"
#include "record/velk_doc.h"

namespace velk {

namespace {

bool IsWaveKind(int kind) { return kind == kOriginalWave || kind == kProcessedWave; }

// Last index that holds a valid point of the current kind: the last sample of a wave, the last
// result index of a result curve.
int LastValidIndex(const ViewModel& vm) {
  const CVelkDoc& d = vm.doc();
  return IsWaveKind(vm.m_curveKind) ? d.m_pointCount - 1 : d.m_lastResultIndex;
}

}  // namespace

bool PickValueAt(ViewModel& vm, int index) {
  CVelkDoc& d = vm.doc();
  d.m_pickedIndex = index;
  d.m_pickedValue = 0;
  const std::vector<double>* y = vm.m_unsmoothedY;
  if (!y || index < 0 || index >= static_cast<int>(y->size()) || index > LastValidIndex(vm)) {
    return false;
  }
  d.m_pickedValue = TruncToInt((*y)[index]);
  return true;
}

bool ViewModel::PickValueAt(int index) { return velk::PickValueAt(*this, index); }

bool PickSession::Begin(const PlotMetrics& m) {
  const CVelkDoc& d = m_vm.doc();
  const int kind = m_vm.m_curveKind;
  if (kind < kFirstCurveKind || kind > kLastCurveKind) return false;
  if (d.m_shownWaves == 3 && kind == kOriginalWave) return false;
  m_m = m;
  const bool smoothed = m_vm.m_showSmoothed != 0;
  m_y = smoothed ? m_vm.m_smoothedY : m_vm.m_unsmoothedY;
  m_x = smoothed ? m_vm.m_smoothedX : m_vm.m_unsmoothedX;
  if (!m_y || m_y->empty()) return false;
  std::tie(m_first, m_last) = m_vm.GetVisibleRange();
  m_lastReadable = std::min(m_last, static_cast<int>(m_y->size()) - 1);
  // On waves the keys run to the point count itself when the axis reaches past the wave (R then
  // stops on the last sample); only reading stops at the last sample.
  if (IsWaveKind(kind)) {
    const double xEnd = m_vm.Current().xEnd;
    m_last = d.m_pointCount >= xEnd ? TruncToInt(xEnd) : d.m_pointCount;
  }
  if (m_x) m_lastReadable = std::min(m_lastReadable, static_cast<int>(m_x->size()) - 1);
  if (m_first < 0 || m_first > m_lastReadable) return false;
  m_i = m_first;
  m_readout.reset();
  PlaceOnCurve();
  return true;
}

void PickSession::PlaceOnCurve() {
  // After arrow keys the index may lie off the curve; the cursor goes back onto its nearest end.
  m_i = std::clamp(m_i, m_first, m_lastReadable);
  const ScaleRecord& s = m_vm.Current();
  const auto px = Px(s, m_m, m_x ? (*m_x)[m_i] : static_cast<double>(m_i));
  const auto py = Py(s, m_m, (*m_y)[m_i]);
  if (px) m_cx = *px - 11;
  if (py) m_cy = *py - 11;
}

void PickSession::MakeReadout() {
  const CVelkDoc& d = m_vm.doc();
  const int kind = m_vm.m_curveKind;
  if (m_i < m_first || m_i > m_last || m_i > m_lastReadable) return;
  if (IsWaveKind(kind) && m_i > d.m_pointCount - 1) return;
  const double y = (*m_y)[m_i];
  if (m_x) {
    m_readout = "X=" + FormatFixed((*m_x)[m_i], 6) + " Y=" + FormatFixed(y, 6) + "  ";
  } else if (kind == kOriginalWave && d.ws().Has(kRecordFileSource)) {
    m_readout = "X=" + std::to_string(m_i) + " Y=" + std::to_string(TruncToInt(y)) + "  ";
  } else {
    m_readout = "X=" + std::to_string(m_i) + " Y=" + FormatFixed(y, 6) + "  ";
  }
}

PickSession::Outcome PickSession::HandleKey(int key) {
  m_readout.reset();
  const bool xy = m_vm.m_curveKind == kEngStressStrain || m_vm.m_curveKind == kTrueStressStrain;
  switch (key) {
    case kKeyEnter:
      return PickValueAt(m_vm, m_i) ? Outcome::kAccept : Outcome::kRefused;
    case kKeyEsc:
      return Outcome::kCancel;
    case kKeyL:
      if (m_i > m_first) --m_i;
      break;
    case kKeyR:
      if (m_i < m_last - 1) ++m_i;
      break;
    case kKeyComma:
      if (m_i > m_first + 10) m_i -= 10;
      break;
    case kKeyFullStop:
      if (m_i < m_last - 11) m_i += 10;
      break;
    case kKeyLeft:
    case kKeyUp:
    case kKeyRight:
    case kKeyDown:
      if (xy) return Outcome::kContinue;
      if (key == kKeyLeft && m_cx > 70) m_cx -= 10;
      if (key == kKeyUp && m_cy > 70) m_cy -= 10;
      if (key == kKeyRight && m_cx < m_m.W - 33) m_cx += 10;
      if (key == kKeyDown && m_cy < m_m.H - 33) m_cy += 10;
      // The cursor moves freely; the index follows its centre, the cursor stays put.
      m_i = IndexAtPixel(m_vm.Current(), m_m, m_cx + 11);
      MakeReadout();
      return Outcome::kContinue;
    default:
      return Outcome::kContinue;
  }
  PlaceOnCurve();
  MakeReadout();
  return Outcome::kContinue;
}

}  // namespace velk
