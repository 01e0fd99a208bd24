#include "plot/render/comparison_plot.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "plot/render/plot_export.h"
#include "plot/render/plot_renderer.h"

namespace velk {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("velk::ComparisonPlot", text); }

constexpr double kLeft = 78, kRight = 16, kTop = 16, kBottom = 52;

// A step of 1, 2 or 5 times a power of ten giving about six intervals over span.
double NiceStep(double span) {
  const double raw = span / 6;
  const double p = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0}) {
    if (raw <= m * p) return m * p;
  }
  return 10 * p;
}

struct Range {
  double lo = 0, hi = 1;
  void Take(double v) {
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
};

// The axes' ranges: from 0 (or below, for negative values) to the largest value, rounded out to
// whole steps.
std::pair<Range, Range> Ranges(const ComparisonPicture& pic) {
  Range x{0, 0}, y{0, 0};
  for (const StressStrainCurve& c : pic.curves) {
    for (double v : c.strain) x.Take(v);
    for (double v : c.stress) y.Take(v);
  }
  if (pic.mean) {
    for (std::size_t i = 0; i < pic.mean->mean.size(); ++i)
      y.Take(pic.mean->mean[i] + pic.mean->sd[i]);
  }
  for (Range* r : {&x, &y}) {
    if (!(r->hi > r->lo)) r->hi = r->lo + 1;
    const double step = NiceStep(r->hi - r->lo);
    r->lo = std::floor(r->lo / step) * step;
    r->hi = std::ceil(r->hi / step) * step;
  }
  return {x, y};
}

QPen Pen(const QColor& c, double width, bool cosmetic) {
  QPen pen(c);
  pen.setWidthF(width);
  pen.setCosmetic(cosmetic);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QString Number(double v, double step) {
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  return QString::number(std::abs(v) < step * 1e-6 ? 0.0 : v, 'f', decimals);
}

}  // namespace

QColor ComparisonColor(std::size_t k) {
  static const QColor kColors[] = {{31, 119, 180},  {214, 39, 40},  {44, 160, 44},   {255, 127, 14},
                                   {148, 103, 189}, {140, 86, 75},  {227, 119, 194}, {23, 190, 207},
                                   {188, 189, 34},  {127, 127, 127}};
  return kColors[k % std::size(kColors)];
}

void DrawComparison(QPainter& p, const QRectF& area, const ComparisonPicture& pic,
                    bool cosmeticPens) {
  p.save();
  p.fillRect(area, Qt::white);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF plot = area.adjusted(kLeft, kTop, -kRight, -kBottom);
  if (plot.width() < 20 || plot.height() < 20) {
    p.restore();
    return;
  }
  const auto [xr, yr] = Ranges(pic);
  auto at = [&](double e, double s) {
    return QPointF(plot.left() + (e - xr.lo) / (xr.hi - xr.lo) * plot.width(),
                   plot.bottom() - (s - yr.lo) / (yr.hi - yr.lo) * plot.height());
  };

  // Grid, ticks and their numbers.
  QFont font = TextFont();
  font.setBold(false);
  font.setPixelSize(13);
  p.setFont(font);
  const QFontMetricsF fm(font);
  const double xs = NiceStep(xr.hi - xr.lo), ys = NiceStep(yr.hi - yr.lo);
  for (double v = xr.lo; v <= xr.hi + xs * 1e-6; v += xs) {
    const double x = at(v, yr.lo).x();
    p.setPen(Pen(QColor(225, 225, 225), 1, cosmeticPens));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    p.setPen(Qt::black);
    const QString t = Number(v, xs);
    p.drawText(QPointF(x - fm.horizontalAdvance(t) / 2, plot.bottom() + fm.ascent() + 4), t);
  }
  for (double v = yr.lo; v <= yr.hi + ys * 1e-6; v += ys) {
    const double y = at(xr.lo, v).y();
    p.setPen(Pen(QColor(225, 225, 225), 1, cosmeticPens));
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    p.setPen(Qt::black);
    const QString t = Number(v, ys);
    p.drawText(QPointF(plot.left() - fm.horizontalAdvance(t) - 6, y + fm.ascent() / 2 - 1), t);
  }
  p.setPen(Pen(Qt::black, 1, cosmeticPens));
  p.drawRect(plot);
  const QString xTitle = pic.trueCurves ? Tr(QT_TRANSLATE_NOOP("velk::ComparisonPlot", "真实应变"))
                                        : Tr(QT_TRANSLATE_NOOP("velk::ComparisonPlot", "工程应变"));
  const QString yTitle = pic.trueCurves
                             ? Tr(QT_TRANSLATE_NOOP("velk::ComparisonPlot", "真实应力(MPa)"))
                             : Tr(QT_TRANSLATE_NOOP("velk::ComparisonPlot", "工程应力(MPa)"));
  p.drawText(QPointF(plot.center().x() - fm.horizontalAdvance(xTitle) / 2, area.bottom() - 8),
             xTitle);
  p.save();
  p.translate(area.left() + fm.ascent() + 6, plot.center().y() + fm.horizontalAdvance(yTitle) / 2);
  p.rotate(-90);
  p.drawText(QPointF(0, 0), yTitle);
  p.restore();

  p.setClipRect(plot);
  if (pic.mean && !pic.mean->strain.empty()) {
    const MeanCurve& m = *pic.mean;
    QPolygonF band;
    for (std::size_t i = 0; i < m.strain.size(); ++i) band << at(m.strain[i], m.mean[i] + m.sd[i]);
    for (std::size_t i = m.strain.size(); i-- > 0;) band << at(m.strain[i], m.mean[i] - m.sd[i]);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 38));
    p.drawPolygon(band);
    p.setBrush(Qt::NoBrush);
  }
  for (std::size_t k = 0; k < pic.curves.size(); ++k) {
    const StressStrainCurve& c = pic.curves[k];
    QPolygonF line;
    for (std::size_t i = 0; i < c.strain.size() && i < c.stress.size(); ++i)
      line << at(c.strain[i], c.stress[i]);
    p.setPen(Pen(ComparisonColor(k), 1.5, cosmeticPens));
    p.drawPolyline(line);
  }
  if (pic.mean) {
    QPolygonF line;
    for (std::size_t i = 0; i < pic.mean->strain.size(); ++i)
      line << at(pic.mean->strain[i], pic.mean->mean[i]);
    p.setPen(Pen(Qt::black, 2.5, cosmeticPens));
    p.drawPolyline(line);
  }
  p.setClipping(false);

  // Legend in the upper left corner of the plot.
  // A pen of no style marks the band's entry.
  std::vector<std::pair<QString, QPen>> entries;
  for (std::size_t k = 0; k < pic.curves.size(); ++k)
    entries.push_back(
        {QString::fromStdString(pic.curves[k].name), Pen(ComparisonColor(k), 1.5, cosmeticPens)});
  if (pic.mean) {
    entries.push_back(
        {Tr(QT_TRANSLATE_NOOP("velk::ComparisonPlot", "平均 (n = %1)")).arg(pic.mean->n),
         Pen(Qt::black, 2.5, cosmeticPens)});
    entries.push_back(
        {Tr(QT_TRANSLATE_NOOP("velk::ComparisonPlot", "±1 标准差")), QPen(Qt::NoPen)});
  }
  if (!entries.empty()) {
    double width = 0;
    for (const auto& e : entries) width = std::max(width, fm.horizontalAdvance(e.first));
    const double row = fm.height() + 2;
    const QRectF box(plot.left() + 10, plot.top() + 10, width + 48,
                     row * static_cast<double>(entries.size()) + 8);
    p.setPen(Pen(QColor(160, 160, 160), 1, cosmeticPens));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(box);
    p.setBrush(Qt::NoBrush);
    for (std::size_t k = 0; k < entries.size(); ++k) {
      const double y = box.top() + 4 + row * (static_cast<double>(k) + 0.5);
      if (entries[k].second.style() == Qt::NoPen) {
        p.fillRect(QRectF(box.left() + 6, y - 5, 28, 10), QColor(0, 0, 0, 38));
      } else {
        p.setPen(entries[k].second);
        p.drawLine(QPointF(box.left() + 6, y), QPointF(box.left() + 34, y));
      }
      p.setPen(Qt::black);
      p.drawText(QPointF(box.left() + 40, y + fm.ascent() / 2 - 2), entries[k].first);
    }
  }
  p.restore();
}

FileResult ExportComparison(const ComparisonPicture& pic, const std::string& path, QSize size) {
  const QString qpath = QString::fromStdString(path);
  const auto kind = PlotFileKindOf(qpath);
  if (!kind) {
    return FileResult::Failure(
        QT_TRANSLATE_NOOP("velk", "%1：图像只能保存为 .png、.svg 或 .pdf 文件。"), {path});
  }
  const QRectF area(QPointF(0, 0), QSizeF(size));
  QSaveFile file(qpath);
  bool drawn = file.open(QIODevice::WriteOnly);
  if (drawn && *kind == PlotFileKind::kPng) {
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    DrawComparison(p, area, pic, true);
    p.end();
    drawn = img.save(&file, "PNG");
  } else if (drawn && *kind == PlotFileKind::kSvg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(area);
    QPainter p;
    drawn = p.begin(&svg);
    if (drawn) DrawComparison(p, area, pic, false);
    drawn = drawn && p.end();
  } else if (drawn) {
    QPdfWriter pdf(&file);
    pdf.setCreator(QStringLiteral("Velk"));
    // One picture pixel is one 96-dpi pixel on the page; the page is the picture.
    pdf.setResolution(96);
    const QSizeF points(size.width() * 72.0 / 96.0, size.height() * 72.0 / 96.0);
    pdf.setPageLayout(
        QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF()));
    QPainter p;
    drawn = p.begin(&pdf);
    if (drawn) DrawComparison(p, area, pic, false);
    drawn = drawn && p.end();
  }
  if (!drawn || !file.commit())
    return FileResult::Failure(QT_TRANSLATE_NOOP("velk", "图像无法写入 %1。"), {path});
  return {};
}

}  // namespace velk
