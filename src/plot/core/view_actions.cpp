#include "plot/core/view_actions.h"

#include <algorithm>

#include "plot/core/view_model.h"
#include "record/interaction.h"
#include "record/tr_noop.h"
#include "record/velk_doc.h"

namespace velk {

bool ApplyBaselineDrag(ViewModel& vm, const PlotMetrics& m, int left, int right) {
  CVelkDoc& d = vm.doc();
  if (vm.m_curveKind != kOriginalWave || d.m_pointCount <= 0) return false;
  const int last = d.m_pointCount - 1;
  const int start = std::clamp(IndexAtPixel(vm.Current(), m, left), 0, last);
  const int end = std::clamp(IndexAtPixel(vm.Current(), m, right), 0, last);
  if (d.m_shownWaves == 1) {
    d.m_incBaseStart = start;
    d.m_incBaseEnd = end;
  } else {
    d.m_trBaseStart = start;
    d.m_trBaseEnd = end;
  }
  d.ComputeBaselineMeans();
  vm.Redraw();
  return true;
}

Sheet MakeGraphSheet(const ScaleRecord& s) {
  ScalePage page;
  page.xStart = s.xStart;
  page.xEnd = s.xEnd;
  page.xStep = s.xStep;
  page.yStart = s.yStart;
  page.yEnd = s.yEnd;
  page.yStep = s.yStep;
  Sheet sheet;
  sheet.caption = VELK_TRANSLATE_NOOP("velk::Sheet", "graph");
  sheet.pages.push_back(SheetPage{VELK_TRANSLATE_NOOP("velk::Sheet", "coordinate"), page, false});
  return sheet;
}

void ApplyGraphSheet(const Sheet& sheet, ScaleRecord& s) {
  if (sheet.pages.empty()) return;
  const ScalePage* page = std::get_if<ScalePage>(&sheet.pages.front().data);
  if (!page) return;
  s.xStart = page->xStart;
  s.xEnd = page->xEnd;
  s.xStep = page->xStep;
  s.yStart = page->yStart;
  s.yEnd = page->yEnd;
  s.yStep = page->yStep;
  s.xRange = s.xEnd - s.xStart;
  s.yRange = s.yEnd - s.yStart;
}

bool RunGraphSettings(ViewModel& vm, Interaction& ui) {
  Sheet sheet = MakeGraphSheet(vm.Current());
  if (!ui.RunSheet(sheet)) return false;
  ApplyGraphSheet(sheet, vm.Current());
  vm.Redraw();
  return true;
}

}  // namespace velk
