#include "plot/render/balance_plot.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <vector>

#include "plot/render/plot_renderer.h"

namespace velk {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("velk::BalancePlot", text); }

// The pens of the other kinds (plot_renderer.cpp).
QPen Pen(const QColor& c, const RenderOptions& o, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(c);
  pen.setStyle(style);
  if (o.cosmeticPens) {
    pen.setWidth(0);
  } else {
    pen.setWidthF(1.0);
    pen.setCosmetic(false);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  return pen;
}

// One curve against time; an undefined (NaN) value or one outside the Y axis breaks the line.
void DrawAgainstTime(QPainter& p, const PlotMetrics& m, const ScaleRecord& s,
                     const std::vector<double>& t, const std::vector<double>& y, int last) {
  std::vector<QPoint> run;
  auto flush = [&] {
    if (run.size() > 1) p.drawPolyline(run.data(), static_cast<int>(run.size()));
    run.clear();
  };
  const int n = std::min({last + 1, static_cast<int>(t.size()), static_cast<int>(y.size())});
  for (int i = 0; i < n; ++i) {
    const auto px = Px(s, m, t[i]);
    const auto py =
        std::isfinite(y[i]) && s.yStart <= y[i] && y[i] <= s.yEnd ? Py(s, m, y[i]) : std::nullopt;
    if (!px || !py) {
      flush();
      continue;
    }
    const QPoint pt(*px, *py);
    if (run.empty() || run.back() != pt) run.push_back(pt);
  }
  flush();
}

void Legend(QPainter& p, const PlotMetrics& m, const QString& text) {
  p.save();
  p.setFont(TextFont());
  p.setPen(QPen(Qt::black));
  p.drawText(160, m.H + 30 + QFontMetrics(p.font()).ascent(), text);
  p.restore();
}

}  // namespace

void DrawBalanceCurves(QPainter& p, const PlotMetrics& m, const ViewModel& vm,
                       const RenderOptions& o) {
  const ForceBalance& f = vm.Forces();
  const ScaleRecord& s = vm.Current();
  const int last = vm.doc().m_lastResultIndex;
  if (vm.m_curveKind == kForcesCurve) {
    p.setPen(Pen(QColor(255, 0, 0), o));
    DrawAgainstTime(p, m, s, f.timeUs, f.frontKn, last);
    p.setPen(Pen(QColor(0, 0, 255), o));
    DrawAgainstTime(p, m, s, f.timeUs, f.backKn, last);
    Legend(p, m,
           Tr(QT_TRANSLATE_NOOP("velk::BalancePlot",
                                "红: 入射端力F1(kN)   蓝: 透射端力F2(kN)   横轴: 时间(µs)")));
    return;
  }
  p.setPen(Pen(QColor(0, 0, 255), o, Qt::DotLine));
  for (double band : {0.05, -0.05}) {
    const auto y = Py(s, m, band);
    if (y) p.drawLine(60, *y, m.W, *y);
  }
  p.setPen(Pen(QColor(255, 0, 0), o));
  DrawAgainstTime(p, m, s, f.timeUs, f.ratio, last);
  Legend(p, m,
         Tr(QT_TRANSLATE_NOOP("velk::BalancePlot",
                              "R = 2(F1-F2)/(F1+F2)   虚线: ±5%   横轴: 时间(µs)")));
}

}  // namespace velk
