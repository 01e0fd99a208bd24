#pragma once
// The plot view's state without any window: curve kind, display flags, the ten scale records and
// the arrays bound for drawing. The desktop view (CVelkView) wraps one; velk-reduce uses one
// directly, so both draw and pick from the same state.

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/force_balance.h"
#include "plot/core/minmax_pyramid.h"
#include "plot/core/scale.h"
#include "record/doc_view.h"

namespace velk {

class CVelkDoc;

// Frame caption of a curve kind ("original wave" ...); empty outside 3..12.
std::string CurveKindTitle(int kind);

class ViewModel : public DocView {
 public:
  explicit ViewModel(CVelkDoc& doc) : m_doc(doc) {}

  CVelkDoc& doc() { return m_doc; }
  const CVelkDoc& doc() const { return m_doc; }

  std::array<ScaleRecord, kLastBalanceKind - kFirstCurveKind + 1> m_scales{};
  int m_scaleIndex = 0;
  // Bound arrays; never owned. X is null when the curve is plotted against its point index.
  const std::vector<double>* m_unsmoothedY = nullptr;
  const std::vector<double>* m_unsmoothedX = nullptr;
  const std::vector<double>* m_smoothedY = nullptr;
  const std::vector<double>* m_smoothedX = nullptr;

  // Called when the caption must change, and when the view must be redrawn.
  std::function<void(const std::string&)> onCaption;
  std::function<void()> onRedraw;
  // The keyboard point pick of the window showing this model (kDone or kCancelled); empty when
  // no window shows it.
  std::function<int()> onPickPoint;

  ScaleRecord& Current() { return m_scales[m_scaleIndex]; }
  const ScaleRecord& Current() const { return m_scales[m_scaleIndex]; }

  void SelectCurve(int kind, int showUnsmoothed, int showSmoothed) override;
  void BindCurveArrays() override;
  // First and last point index of the current curve that lie on the X axis, clamped so that no
  // array is ever read beyond its last element.
  std::pair<int, int> GetVisibleRange() const;
  // Sets the scale records of kinds 3 and 4 from both raw waves.
  void InitialUpdate();
  // Scale records of kinds 5 to 14 after a computation.
  void ScaleResults() override;
  // The force balance the kinds 13 and 14 show; made again with each computation and whenever
  // the curves are bound while one of those kinds is shown.
  const ForceBalance& Forces() const { return m_forces; }

  void Redraw() override {
    m_pyramids.Clear();
    if (onRedraw) onRedraw();
  }
  bool PickValueAt(int index) override;

  // The min/max pyramid of an array drawn by this view, built on first use after Redraw().
  const MinMaxPyramid& PyramidOf(const std::vector<double>& samples) const {
    return m_pyramids.For(samples);
  }

 private:
  void RefreshForces();

  CVelkDoc& m_doc;
  mutable PyramidCache m_pyramids;
  ForceBalance m_forces;
};

}  // namespace velk
