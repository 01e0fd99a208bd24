#include "plot/render/plot_renderer.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

#include "analysis/result_band.h"
#include "plot/core/column_extents.h"
#include "plot/core/view_model.h"
#include "plot/render/balance_plot.h"
#include "record/velk_doc.h"

namespace velk {

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
// The window colour the view is erased to and text is drawn on.
const QColor kWindow(255, 255, 255);
const QColor kBandFill(255, 200, 200);  // the unsmoothed curve's red, lightened

QString FirstInstalled(std::initializer_list<const char*> names) {
  const QStringList families = QFontDatabase::families();
  for (const char* n : names) {
    const QString name = QString::fromUtf8(n);
    if (families.contains(name, Qt::CaseInsensitive)) return name;
  }
  return {};
}

QFont BoldPixelFont(const QString& family, QFont::StyleHint hint) {
  QFont f(family);
  f.setStyleHint(hint);
  f.setPixelSize(16);
  f.setBold(true);
  return f;
}

QPen MakePen(const QColor& c, const RenderOptions& o, Qt::PenStyle style = Qt::SolidLine) {
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

// Text with its top-left corner at (x, y), on the window colour.
void TextAt(QPainter& p, int x, int y, const QString& s) {
  const QFontMetrics fm = p.fontMetrics();
  p.drawText(QPoint(x, y + fm.ascent()), s);
}

// A segment from a point to itself covers nothing (the end pixel of a line is never its own), so
// repeated points are left out; the rasteriser would otherwise lose the end pixel of a curve
// whose last samples share one pixel.
void AppendPoint(std::vector<QPoint>& pts, QPoint p) {
  if (pts.empty() || pts.back() != p) pts.push_back(p);
}

// Collapses each run of points in one pixel column to its first, lowest, highest and last
// point. Within a column every segment is vertical, so the collapsed path covers the same
// pixels; the segments between columns are kept as they are.
class ColumnDecimator {
 public:
  explicit ColumnDecimator(std::vector<QPoint>& out) : m_out(out) {}
  ~ColumnDecimator() { Flush(); }

  void Add(QPoint p) {
    if (m_open && p.x() == m_first.x()) {
      m_last = p;
      m_minY = std::min(m_minY, p.y());
      m_maxY = std::max(m_maxY, p.y());
      return;
    }
    Flush();
    m_open = true;
    m_first = m_last = p;
    m_minY = m_maxY = p.y();
  }

  void Flush() {
    if (!m_open) return;
    m_open = false;
    const int x = m_first.x();
    Emit(m_first);
    Emit(QPoint(x, m_minY));
    Emit(QPoint(x, m_maxY));
    Emit(m_last);
  }

 private:
  void Emit(QPoint p) { AppendPoint(m_out, p); }

  std::vector<QPoint>& m_out;
  bool m_open = false;
  QPoint m_first, m_last;
  int m_minY = 0, m_maxY = 0;
};

// The decimated path of pyramid columns, each row mapped through rowMap: the points
// ColumnDecimator makes of the samples.
template <class RowMap>
void AppendColumns(std::vector<QPoint>& pts, const std::vector<ColumnExtent>& columns,
                   RowMap rowMap) {
  pts.reserve(pts.size() + 4 * columns.size());
  for (const ColumnExtent& c : columns) {
    AppendPoint(pts, QPoint(c.x, rowMap(c.first)));
    AppendPoint(pts, QPoint(c.x, rowMap(c.low)));
    AppendPoint(pts, QPoint(c.x, rowMap(c.high)));
    AppendPoint(pts, QPoint(c.x, rowMap(c.last)));
  }
}

// The visible samples of the bound curve, clamped to its arrays; false when nothing is visible.
bool VisibleSamples(const ViewModel& vm, bool smoothed, int& first, int& last) {
  const std::vector<double>* Y = smoothed ? vm.m_smoothedY : vm.m_unsmoothedY;
  const std::vector<double>* X = smoothed ? vm.m_smoothedX : vm.m_unsmoothedX;
  if (!Y || Y->empty()) return false;
  std::tie(first, last) = vm.GetVisibleRange();
  last = std::min(last, static_cast<int>(Y->size()) - 1);
  if (X) last = std::min(last, static_cast<int>(X->size()) - 1);
  first = std::max(first, 0);
  return first <= last;
}

// The decimated polyline read from the curve's pyramid; false when the curve has an X array or
// its scale cannot be summarized, and its samples must be read one by one.
bool PyramidPolyline(const ViewModel& vm, const PlotMetrics& m, bool smoothed,
                     std::vector<QPoint>& pts) {
  const std::vector<double>* Y = smoothed ? vm.m_smoothedY : vm.m_unsmoothedY;
  const std::vector<double>* X = smoothed ? vm.m_smoothedX : vm.m_unsmoothedX;
  if (X || !CanSummarizeColumns(vm.Current(), m)) return false;
  int first = 0, last = -1;
  if (!VisibleSamples(vm, smoothed, first, last)) return true;
  AppendColumns(
      pts,
      SummarizeColumns(vm.PyramidOf(*Y), first, last, vm.Current(), m, SampleRule::kWithinYLimits),
      [](int r) { return r; });
  return true;
}

template <class Sink>
void ForEachCurvePoint(const ViewModel& vm, const PlotMetrics& m, bool smoothed, Sink&& sink) {
  const std::vector<double>* Y = smoothed ? vm.m_smoothedY : vm.m_unsmoothedY;
  const std::vector<double>* X = smoothed ? vm.m_smoothedX : vm.m_unsmoothedX;
  int first = 0, last = -1;
  if (!VisibleSamples(vm, smoothed, first, last)) return;
  const ScaleRecord& s = vm.Current();
  bool started = false;
  for (int i = first; i <= last; ++i) {
    const double y = (*Y)[i];
    // The starting point is taken whatever its value; later points outside the Y limits are
    // skipped, so the line bridges straight over them.
    if (started && !(s.yStart <= y && y <= s.yEnd)) continue;
    const std::optional<int> px = Px(s, m, X ? (*X)[i] : static_cast<double>(i));
    const std::optional<int> py = Py(s, m, y);
    if (!px || !py) continue;
    sink(QPoint(*px, *py));
    started = true;
  }
}

// The 95 % band of the stress around a stress-strain curve, as a light fill under the curves:
// the lower bounds forward and the upper bounds back, at the computed strains.
void DrawBand(QPainter& p, const PlotMetrics& m, const ViewModel& vm) {
  const int kind = vm.m_curveKind;
  if (kind != kEngStressStrain && kind != kTrueStressStrain) return;
  const ResultUncertainty* u = CurrentUncertainty(vm.doc());
  if (u == nullptr) return;
  const bool eng = kind == kEngStressStrain;
  const CurveBand& b = u->result.bands[eng ? kEngStress : kTrueStress];
  const std::vector<double>& x = vm.doc().m_computed[eng ? kEngStrain : kTrueStrain];
  const ScaleRecord& s = vm.Current();
  if (!(s.xRange != 0.0 && s.yRange != 0.0)) return;
  const std::size_t n = std::min({x.size(), b.lower.size(), b.upper.size(),
                                  static_cast<std::size_t>(vm.doc().m_lastResultIndex) + 1});
  // Far outside the plot a vertex only needs to stay there; the rasteriser is spared huge values.
  auto at = [&](double xv, double yv) {
    const double px = (xv - s.xStart) * (m.W - 60) / s.xRange + 60;
    const double py = (1 - (yv - s.yStart) / s.yRange) * (m.H - 30) + 30;
    return QPointF(std::clamp(px, -1e6, 1e6), std::clamp(py, -1e6, 1e6));
  };
  QPolygonF band;
  band.reserve(static_cast<qsizetype>(2 * n));
  for (std::size_t i = 0; i < n; ++i) {
    if (std::isfinite(x[i]) && std::isfinite(b.lower[i])) band << at(x[i], b.lower[i]);
  }
  for (std::size_t i = n; i-- > 0;) {
    if (std::isfinite(x[i]) && std::isfinite(b.upper[i])) band << at(x[i], b.upper[i]);
  }
  if (band.size() < 3) return;
  p.save();
  p.setClipRect(QRect(QPoint(61, 30), QPoint(m.W, m.H - 1)));  // not over the axes
  p.setPen(Qt::NoPen);
  p.setBrush(kBandFill);
  p.drawPolygon(band);
  p.restore();
}

void DrawPolyline(QPainter& p, const std::vector<QPoint>& pts) {
  if (pts.empty()) return;
  if (pts.size() == 1) {
    // A lone point is a move without a line: nothing to see.
    return;
  }
  p.drawPolyline(pts.data(), static_cast<int>(pts.size()));
}

void DrawAxes(QPainter& p, const PlotMetrics& m, const ScaleRecord& s) {
  const int tx = m.tx, ty = m.ty, H = m.H, W = m.W;
  // Labels first: their opaque background would otherwise cut gaps into the axes wherever a
  // label is wider than the margin, as "-0.400" is.
  double v = s.yEnd;
  for (int i = 0; i <= 5; ++i) {
    TextAt(p, 30, 26 + 2 * ty * i, QString::fromStdString(FormatLabel(v, s.yDecimals)));
    v = v - s.yStep;
  }
  v = s.xStart;
  for (int i = 0; i <= 5; ++i) {
    const QString label = QString::fromStdString(FormatLabel(v, s.xDecimals));
    TextAt(p, 60 + 2 * tx * i - static_cast<int>(2.5 * label.size()), H + 10, label);
    v = v + s.xStep;
  }
  p.drawLine(60, 30, 60, H);
  p.drawLine(60, H, W, H);
  for (int i = 0; i <= 5; ++i) p.drawLine(56, 30 + 2 * ty * i, 60, 30 + 2 * ty * i);
  for (int j = 1; j <= 9; j += 2) p.drawLine(58, 30 + j * ty, 60, 30 + j * ty);
  for (int j = 1; j <= 9; j += 2) p.drawLine(60 + j * tx, H + 3, 60 + j * tx, H);
  for (int i = 0; i <= 5; ++i) p.drawLine(60 + 2 * tx * i, H + 5, 60 + 2 * tx * i, H);
}

void DrawBaselineMarks(QPainter& p, const PlotMetrics& m, const ViewModel& vm,
                       const RenderOptions& o) {
  const CVelkDoc& d = vm.doc();
  const bool inc = d.m_shownWaves == 1;
  const int a = inc ? d.m_incBaseStart : d.m_trBaseStart;
  const int b = inc ? d.m_incBaseEnd : d.m_trBaseEnd;
  const double mean = inc ? d.m_incBaseMean : d.m_trBaseMean;
  const ScaleRecord& s = vm.Current();
  p.save();
  p.setPen(MakePen(kBlue, o, Qt::DotLine));
  const auto yb = Py(s, m, mean);
  const auto xa = Px(s, m, a);
  const auto xb = Px(s, m, b);
  if (yb && xa && xb) {
    p.drawLine(*xa, *yb - 20, *xa, *yb + 20);
    p.drawLine(*xb, *yb - 20, *xb, *yb + 20);
  }
  p.setFont(TextFont());
  p.setPen(QPen(Qt::black));
  const QString text =
      QCoreApplication::translate("velk::PlotRenderer",
                                  "零点基线计算区域: 开始点:%1  结束点:%2  基线平均值:%3  ")
          .arg(a)
          .arg(b)
          .arg(QString::fromStdString(FormatFixed(mean, 6)));
  TextAt(p, 160, m.H + 30, text);
  p.restore();
}

void DrawTwoChannel(QPainter& p, QSize client, const ViewModel& vm, const RenderOptions& o) {
  const CVelkDoc& d = vm.doc();
  const PlotMetrics m = MetricsForClient(client.width(), client.height());
  const ScaleRecord& s = vm.m_scales[kOriginalWave - kFirstCurveKind];
  const int half = client.height() / 2;
  p.setPen(MakePen(kRed, o));
  const int n = std::min(
      {d.m_pointCount, static_cast<int>(d.m_rawInc.size()), static_cast<int>(d.m_rawTr.size())});
  const bool fromPyramid = o.decimate && o.fromPyramid && CanSummarizeColumns(s, m);
  for (const std::vector<double>* wave : {&d.m_rawInc, &d.m_rawTr}) {
    const int offset = wave == &d.m_rawInc ? 0 : half;
    std::vector<QPoint> pts;
    if (fromPyramid) {
      // Halving the row keeps its order, so each column's extremes stay the extremes.
      AppendColumns(pts,
                    SummarizeColumns(vm.PyramidOf(*wave), 0, n - 1, s, m, SampleRule::kEveryNumber),
                    [offset](int r) { return r / 2 + offset; });
      DrawPolyline(p, pts);
      continue;
    }
    ColumnDecimator dec(pts);
    for (int i = 0; i < n; ++i) {
      const auto px = Px(s, m, i);
      const auto py = Py(s, m, (*wave)[i]);
      if (!px || !py) continue;
      const QPoint pt(*px, *py / 2 + offset);
      if (o.decimate) {
        dec.Add(pt);
      } else {
        AppendPoint(pts, pt);
      }
    }
    dec.Flush();
    DrawPolyline(p, pts);
  }
}

}  // namespace

QFont LabelFont() {
  static const QString family = [] {
    QString f = FirstInstalled({"LinePrinter"});
    if (f.isEmpty()) f = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    return f;
  }();
  return BoldPixelFont(family, QFont::TypeWriter);
}

QFont TextFont() {
  static const QString family = [] {
    QString f =
        FirstInstalled({"宋体", "SimSun", "NSimSun", "WenQuanYi Zen Hei", "Noto Sans CJK SC",
                        "Noto Serif CJK SC", "WenQuanYi Micro Hei", "AR PL UMing CN"});
    if (f.isEmpty()) {
      const QStringList cjk = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
      if (!cjk.isEmpty()) f = cjk.first();
    }
    return f;
  }();
  return BoldPixelFont(family, QFont::AnyStyle);
}

std::vector<QPoint> CurvePolyline(const ViewModel& vm, const PlotMetrics& m, bool smoothed,
                                  bool decimate, bool fromPyramid) {
  std::vector<QPoint> pts;
  if (decimate && fromPyramid && PyramidPolyline(vm, m, smoothed, pts)) return pts;
  if (decimate) {
    ColumnDecimator dec(pts);
    ForEachCurvePoint(vm, m, smoothed, [&](QPoint p) { dec.Add(p); });
  } else {
    ForEachCurvePoint(vm, m, smoothed, [&](QPoint p) { AppendPoint(pts, p); });
  }
  return pts;
}

void RenderPlot(QPainter& p, QSize clientSize, const ViewModel& vm, const RenderOptions& o) {
  p.save();
  if (o.fillBackground) p.fillRect(QRect(QPoint(0, 0), clientSize), kWindow);
  p.setFont(LabelFont());
  p.setBackgroundMode(Qt::OpaqueMode);
  p.setBackground(kWindow);
  const CVelkDoc& d = vm.doc();
  const int kind = vm.m_curveKind;
  if (d.m_shownWaves == 3 && kind == kOriginalWave) {
    DrawTwoChannel(p, clientSize, vm, o);
    p.restore();
    return;
  }
  const PlotMetrics m = MetricsForClient(clientSize.width(), clientSize.height());
  p.setPen(MakePen(Qt::black, o));
  DrawAxes(p, m, vm.Current());
  if (kind == kForcesCurve || kind == kBalanceCurve) {
    DrawBalanceCurves(p, m, vm, o);
    p.restore();
    return;
  }
  if (vm.m_showBand == 1) DrawBand(p, m, vm);
  if (vm.m_showUnsmoothed == 1) {
    p.setPen(MakePen(kRed, o));
    DrawPolyline(p, CurvePolyline(vm, m, false, o.decimate, o.fromPyramid));
    if (kind == kOriginalWave || kind == kProcessedWave) DrawBaselineMarks(p, m, vm, o);
  }
  if (vm.m_showSmoothed == 1) {
    p.setPen(MakePen(kBlue, o));
    DrawPolyline(p, CurvePolyline(vm, m, true, o.decimate, o.fromPyramid));
  }
  p.restore();
}

void RenderPlotFitted(QPainter& p, const QRectF& target, QSize clientSize, const ViewModel& vm,
                      const RenderOptions& o) {
  if (clientSize.isEmpty() || target.isEmpty()) return;
  const double scale =
      std::min(target.width() / clientSize.width(), target.height() / clientSize.height());
  p.save();
  p.translate(target.topLeft());
  p.scale(scale, scale);
  RenderPlot(p, clientSize, vm, o);
  p.restore();
}

QImage RenderPlotImage(const ViewModel& vm, QSize size, const RenderOptions& o) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(kWindow);
  QPainter p(&img);
  RenderPlot(p, size, vm, o);
  p.end();
  return img;
}

const QImage& PickCursorImage() {
  static const QImage img = [] {
    const QRgb yellow = qRgb(255, 255, 0);
    const QRgb darkRed = qRgb(128, 0, 0);
    QImage c(kCursorSize, kCursorSize, QImage::Format_RGB32);
    c.fill(qRgb(0, 0, 0));
    const int r = kCursorSize / 2;
    // Midpoint circle through the edge pixels.
    int x = r, y = 0, err = 1 - r;
    while (x >= y) {
      for (const auto& [dx, dy] :
           {std::pair{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}}) {
        c.setPixel(r + dx, r + dy, yellow);
      }
      ++y;
      if (err < 0) {
        err += 2 * y + 1;
      } else {
        --x;
        err += 2 * (y - x) + 1;
      }
    }
    for (int k = -r + 1; k <= r - 1; ++k) {
      const QRgb col = (k % 2 == 0) ? yellow : darkRed;
      c.setPixel(r + k, r, col);
      c.setPixel(r, r + k, col);
    }
    return c;
  }();
  return img;
}

void XorCursor(QImage& img, QPoint topLeft) {
  if (img.format() != QImage::Format_RGB32 && img.format() != QImage::Format_ARGB32 &&
      img.format() != QImage::Format_ARGB32_Premultiplied) {
    img = img.convertToFormat(QImage::Format_RGB32);
  }
  const QImage& c = PickCursorImage();
  for (int y = 0; y < kCursorSize; ++y) {
    const int ty = topLeft.y() + y;
    if (ty < 0 || ty >= img.height()) continue;
    const QRgb* src = reinterpret_cast<const QRgb*>(c.constScanLine(y));
    QRgb* dst = reinterpret_cast<QRgb*>(img.scanLine(ty));
    for (int x = 0; x < kCursorSize; ++x) {
      const int tx = topLeft.x() + x;
      if (tx < 0 || tx >= img.width()) continue;
      dst[tx] = (dst[tx] ^ (src[x] & 0x00FFFFFFu)) | 0xFF000000u;
    }
  }
}

}  // namespace velk
