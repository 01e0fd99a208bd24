#pragma once
// What the numeric commands know of the window that shows a test record: which curve it shows,
// with which display flags, and the few things they ask of it after changing the record. The plot
// view implements it; the core never includes plot code, and runs the same without any view.

namespace velk {

// The ten kinds of the recorded and result curves, then the two kinds of the force balance.
inline constexpr int kFirstCurveKind = 3;
inline constexpr int kLastCurveKind = 12;
inline constexpr int kLastBalanceKind = 14;
enum CurveKind {
  kOriginalWave = 3,
  kProcessedWave = 4,
  kEngStressCurve = 5,
  kTrueStrainRateCurve = 10,
  kEngStressStrain = 11,
  kTrueStressStrain = 12,
  kForcesCurve = 13,   // front and back force against time
  kBalanceCurve = 14,  // equilibrium ratio R against time
};

// The view's selection. The chooser sets it; the reduction reads it to know whether the smoothed
// or the unsmoothed waves are the ones the operator works on.
struct CurveSelection {
  int m_curveKind = 0;  // 0 until the first selection
  int m_showSmoothed = 0;
  int m_showUnsmoothed = 0;
  // The uncertainty band around the stress-strain curves, when the record has one.
  int m_showBand = 0;

  bool operator==(const CurveSelection&) const = default;
};

class DocView : public CurveSelection {
 public:
  DocView() = default;
  DocView(const DocView&) = delete;
  DocView& operator=(const DocView&) = delete;
  virtual ~DocView() = default;

  // Shows kind with the given flags and binds its arrays.
  virtual void SelectCurve(int kind, int showUnsmoothed, int showSmoothed) = 0;
  // The record's arrays moved or changed size: bind them again.
  virtual void BindCurveArrays() = 0;
  // Results were computed: scale the result kinds.
  virtual void ScaleResults() = 0;
  virtual void Redraw() = 0;
  // Stores index as the record's picked point with the shown curve's value there; false when
  // index is not a point of that curve.
  virtual bool PickValueAt(int index) = 0;
};

}  // namespace velk
