#include "plot/render/plot_export.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "plot/core/view_model.h"
#include "plot/render/plot_renderer.h"

namespace velk {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("velk::PlotExport", text); }

void SetError(QString* error, const QString& text) {
  if (error) *error = text;
}

QString NotWritten(const QString& path) {
  return Tr(QT_TRANSLATE_NOOP("velk::PlotExport", "The plot could not be written to %1."))
      .arg(path);
}

// Vector files are scaled by their readers, so their lines are one picture pixel wide rather
// than one device dot.
RenderOptions VectorOptions() {
  RenderOptions o;
  o.cosmeticPens = false;
  return o;
}

bool DrawInto(QIODevice& out, const ViewModel& vm, PlotFileKind kind, QSize size,
              const QString& title) {
  switch (kind) {
    case PlotFileKind::kPng:
      return RenderPlotImage(vm, size).save(&out, "PNG");
    case PlotFileKind::kSvg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&out);
      svg.setSize(size);
      svg.setViewBox(QRect(QPoint(0, 0), size));
      svg.setTitle(title);
      QPainter p;
      if (!p.begin(&svg)) return false;
      RenderPlot(p, size, vm, VectorOptions());
      return p.end();
    }
    case PlotFileKind::kPdf: {
      QPdfWriter pdf(&out);
      pdf.setTitle(title);
      pdf.setCreator(QStringLiteral("Velk"));
      // One picture pixel is one 96-dpi pixel on the page; the page is the picture.
      pdf.setResolution(96);
      const QSizeF points(size.width() * 72.0 / 96.0, size.height() * 72.0 / 96.0);
      pdf.setPageLayout(
          QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                      QPageLayout::Portrait, QMarginsF()));
      QPainter p;
      if (!p.begin(&pdf)) return false;
      const QRectF page(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
      RenderPlotFitted(p, page, size, vm, VectorOptions());
      return p.end();
    }
  }
  return false;
}

}  // namespace

std::optional<PlotFileKind> PlotFileKindOf(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == QLatin1String("png")) return PlotFileKind::kPng;
  if (ext == QLatin1String("svg")) return PlotFileKind::kSvg;
  if (ext == QLatin1String("pdf")) return PlotFileKind::kPdf;
  return std::nullopt;
}

bool ExportPlot(const ViewModel& vm, PlotFileKind kind, const QString& path, QSize size,
                QString* error) {
  if (size.width() <= 0 || size.height() <= 0) {
    SetError(error,
             Tr(QT_TRANSLATE_NOOP("velk::PlotExport", "The picture size %1 x %2 is not usable."))
                 .arg(size.width())
                 .arg(size.height()));
    return false;
  }
  const QString title = QString::fromStdString(CurveKindTitle(vm.m_curveKind));
  // Drawn into a temporary file beside the target and renamed over it only when complete, so a
  // failed export never leaves a damaged picture or destroys the one already there.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !DrawInto(file, vm, kind, size, title) ||
      !file.commit()) {
    SetError(error, NotWritten(path));
    return false;
  }
  return true;
}

bool ExportPlot(const ViewModel& vm, const QString& path, QSize size, QString* error) {
  const auto kind = PlotFileKindOf(path);
  if (!kind) {
    SetError(error, Tr(QT_TRANSLATE_NOOP("velk::PlotExport",
                                         "%1: the plot can be written as .png, .svg or .pdf only."))
                        .arg(path));
    return false;
  }
  return ExportPlot(vm, *kind, path, size, error);
}

}  // namespace velk
