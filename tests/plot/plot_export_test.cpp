#include "plot/render/plot_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <cmath>

#include "plot/render/plot_renderer.h"
#include "plot_fixture.h"

namespace velk {
namespace {

using testing::PlotFixture;

QString OutPath(const char* name) { return QString(VELK_BINARY_DIR) + "/" + name; }

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(PlotExport, WritesPngSvgAndPdfByExtensionWithTheScreenPicture) {
  PlotFixture f;
  std::vector<double> w(2000);
  for (int i = 0; i < 2000; ++i) w[i] = std::sin(i * 0.01);
  f.Waves(w, w);
  f.vm.SelectCurve(kOriginalWave, 1, 0);
  const QSize size(690, 490);

  const QString png = OutPath("plot_export_test.PNG");
  QString error;
  ASSERT_TRUE(ExportPlot(f.vm, png, size, &error)) << error.toStdString();
  const QImage loaded(png);
  EXPECT_EQ(loaded.size(), size);
  EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB32), RenderPlotImage(f.vm, size));

  const QString svg = OutPath("plot_export_test.svg");
  ASSERT_TRUE(ExportPlot(f.vm, svg, size, &error)) << error.toStdString();
  const QString svgText = QString::fromUtf8(ReadAll(svg));
  EXPECT_TRUE(svgText.contains("<svg"));
  EXPECT_TRUE(svgText.contains(QStringLiteral("零点基线计算区域")));
  EXPECT_TRUE(svgText.contains("original wave"));

  const QString pdf = OutPath("plot_export_test.pdf");
  ASSERT_TRUE(ExportPlot(f.vm, pdf, size, &error)) << error.toStdString();
  const QByteArray pdfBytes = ReadAll(pdf);
  EXPECT_TRUE(pdfBytes.startsWith("%PDF"));
  EXPECT_GT(pdfBytes.size(), 2000);

  // Each picture went through a temporary file beside it that was renamed into place: writing
  // again replaces the picture and leaves nothing else behind.
  ASSERT_TRUE(ExportPlot(f.vm, png, QSize(300, 200), &error)) << error.toStdString();
  EXPECT_EQ(QImage(png).size(), QSize(300, 200));
  EXPECT_EQ(QDir(VELK_BINARY_DIR).entryList({"plot_export_test*"}, QDir::Files).size(), 3);
}

TEST(PlotExport, RefusesUnknownKindsUnwritablePlacesAndEmptySizes) {
  PlotFixture f;
  f.Waves(std::vector<double>(100, 0.0), std::vector<double>(100, 0.0));
  f.vm.SelectCurve(kOriginalWave, 1, 0);
  QString error;
  EXPECT_FALSE(ExportPlot(f.vm, OutPath("plot.bmp"), QSize(690, 490), &error));
  EXPECT_TRUE(error.contains(".png")) << error.toStdString();
  for (const char* name : {"/nonexistent-dir/plot.png", "/nonexistent-dir/plot.pdf"}) {
    error.clear();
    EXPECT_FALSE(ExportPlot(f.vm, name, QSize(690, 490), &error)) << name;
    EXPECT_TRUE(error.contains(name)) << error.toStdString();
  }
  EXPECT_FALSE(ExportPlot(f.vm, OutPath("plot_empty.png"), QSize(0, 490), &error));
}

}  // namespace
}  // namespace velk
