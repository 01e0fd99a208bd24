#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QRandomGenerator>
#include <cmath>
#include <limits>

#include "plot/render/plot_renderer.h"
#include "plot_fixture.h"

namespace velk {
namespace {

using testing::CountColour;
using testing::CountNonWhite;
using testing::IsColour;
using testing::kBlack;
using testing::kBlue;
using testing::kRed;
using testing::PlotFixture;

constexpr QSize kClient(690, 490);

// Waves and results that fill every curve kind with something to draw.
void FillAllKinds(PlotFixture& f) {
  std::vector<double> inc(1024), tr(1024);
  for (int i = 0; i < 1024; ++i) {
    inc[i] = 0.4 * std::sin(i * 0.02);
    tr[i] = -0.2 * std::cos(i * 0.015);
  }
  f.Waves(inc, tr);
  std::vector<double> stress(1500), strain(1500);
  for (int i = 0; i < 1500; ++i) {
    strain[i] = 0.0002 * i;
    stress[i] = 400 * (1 - std::exp(-i / 200.0));
  }
  f.Results(stress, strain);
}

TEST(Render, EveryCurveKindHasItsAxesAndItsCurve) {
  PlotFixture f;
  FillAllKinds(f);
  for (int kind = kFirstCurveKind; kind <= kLastCurveKind; ++kind) {
    SCOPED_TRACE(kind);
    f.vm.SelectCurve(kind, 0, 0);
    const QImage img = RenderPlotImage(f.vm, kClient);
    // X axis at y = 430 from x = 60 to x = 660, Y axis at x = 60 from y = 30 down.
    EXPECT_EQ(CountColour(img, 60, 430, 661, 431, kBlack), 601);
    EXPECT_FALSE(IsColour(img, 661, 430, kBlack));
    EXPECT_EQ(CountColour(img, 60, 30, 61, 431, kBlack), 401);
    EXPECT_FALSE(IsColour(img, 60, 29, kBlack));
    EXPECT_EQ(CountNonWhite(img, 0, 0, 30, 490), 0) << "nothing left of the labels";
    EXPECT_EQ(CountColour(img, 0, 0, 690, 490, kRed), 0);
    f.vm.SelectCurve(kind, 1, 0);
    EXPECT_GT(CountColour(RenderPlotImage(f.vm, kClient), 61, 30, 661, 431, kRed), 50);
  }
  // A text font without the Chinese glyphs would draw the baseline text as empty boxes.
  const QFontMetrics fm(TextFont());
  for (char32_t c : std::u32string(U"零点基线计算区域开始结束平均值"))
    EXPECT_TRUE(fm.inFontUcs4(c));
}

TEST(Render, ValuesOnTheYLimitsAreDrawnAndValuesJustOutsideAreBridged) {
  PlotFixture f;
  const std::vector<double> y = {50, 50, 100, 50, 100.001, 50, 0, 50, -0.001, 50, 50};
  f.Results(y, y);
  f.vm.SelectCurve(kEngStressCurve, 1, 0);
  ScaleRecord& s = f.vm.Current();
  s = ScaleRecord{0, 10, 10, 2, 0, 0, 100, 100, 20, 0};
  // px(i) = 60 + 60 i, py(50) = 230, py(100) = 30, py(0) = 430.
  const QImage img = RenderPlotImage(f.vm, kClient);
  EXPECT_TRUE(IsColour(img, 180, 30, kRed)) << "Y end is drawn";
  EXPECT_TRUE(IsColour(img, 420, 430, kRed)) << "Y start is drawn";
  EXPECT_TRUE(IsColour(img, 300, 230, kRed)) << "the line bridges over 100.001";
  EXPECT_EQ(CountColour(img, 300, 30, 301, 229, kRed), 0);
  EXPECT_TRUE(IsColour(img, 540, 230, kRed)) << "the line bridges over -0.001";
  EXPECT_EQ(CountColour(img, 540, 232, 541, 431, kRed), 0);
}

// Renders with and without the per-column reduction and requires identical pixels.
void ExpectSamePixels(const ViewModel& vm, QSize size) {
  RenderOptions full;
  full.decimate = false;
  const QImage a = RenderPlotImage(vm, size, full);
  const QImage b = RenderPlotImage(vm, size);
  ASSERT_EQ(a.size(), b.size());
  int differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
  EXPECT_EQ(differing, 0) << size.width() << "x" << size.height();
  EXPECT_GT(CountColour(a, 0, 0, size.width(), size.height(), kRed) +
                CountColour(a, 0, 0, size.width(), size.height(), kBlue),
            0);
}

TEST(Render, ColumnReductionGivesTheSamePixelsAsEverySegment) {
  QRandomGenerator rng(12345);
  const QSize size(1013, 707);
  PlotFixture f;
  // Noise with spikes beyond both Y limits on the raw wave (kind 3) and a step wave (kind 4).
  const int n = 200000;
  std::vector<double> inc(n), tr(n);
  for (int i = 0; i < n; ++i) {
    inc[i] = rng.generateDouble() - 0.5;
    if (i % 97 == 0) inc[i] = 3.0;
    if (i % 131 == 0) inc[i] = -3.0;
    tr[i] = ((i / 5000) % 3) * 0.2 - 0.2 + (i % 2 ? 1e-3 : 0.0);
  }
  f.Waves(inc, tr);
  f.doc.m_workInc = inc;
  f.doc.m_workTr = tr;
  f.doc.m_smoothInc.assign(inc.begin(), inc.end());
  f.doc.m_smoothInc.push_back(0.0);
  f.vm.SelectCurve(kOriginalWave, 1, 1);
  f.vm.m_scales[0].yStart = -0.45;
  f.vm.m_scales[0].yEnd = 0.45;
  f.vm.m_scales[0].yRange = 0.9;
  ExpectSamePixels(f.vm, size);
  f.doc.m_shownWaves = 2;
  f.vm.SelectCurve(kProcessedWave, 1, 0);
  ExpectSamePixels(f.vm, size);
  // A time history with out-of-range points, and a stress-strain curve whose strain runs back
  // and forth.
  const int m = 50000;
  std::vector<double> stress(m), strain(m);
  double e = 0;
  for (int i = 0; i < m; ++i) {
    e += (rng.generateDouble() - 0.3) * 1e-5;
    strain[i] = e;
    stress[i] =
        300 * std::sin(i * 1e-3) + (i % 211 == 0 ? 5000.0 : 0.0) + (i % 89 == 0 ? -100.0 : 0.0);
  }
  f.Results(stress, strain);
  f.vm.SelectCurve(kEngStressCurve, 1, 0);
  ExpectSamePixels(f.vm, size);
  f.vm.SelectCurve(kEngStressStrain, 1, 1);
  ExpectSamePixels(f.vm, size);
}

// The pyramid must give the very points the per-column scan gives, so the screen, the PNG files
// and the SVG and PDF files keep every pixel and byte.
void ExpectPyramidMatchesScan(const ViewModel& vm, QSize size) {
  SCOPED_TRACE(::testing::Message() << size.width() << "x" << size.height());
  const PlotMetrics m = MetricsForClient(size.width(), size.height());
  for (bool smoothed : {false, true}) {
    ASSERT_EQ(CurvePolyline(vm, m, smoothed, true, true),
              CurvePolyline(vm, m, smoothed, true, false))
        << (smoothed ? "smoothed" : "unsmoothed");
  }
  RenderOptions scan;
  scan.fromPyramid = false;
  const QImage a = RenderPlotImage(vm, size, scan);
  ASSERT_EQ(RenderPlotImage(vm, size), a);
  EXPECT_GT(CountColour(a, 0, 0, size.width(), size.height(), kRed) +
                CountColour(a, 0, 0, size.width(), size.height(), kBlue),
            0);
}

TEST(Render, PyramidGivesThePointsAndPixelsOfThePerColumnScan) {
  QRandomGenerator rng(2024);
  PlotFixture f;
  // Not a multiple of any block size; noise with spikes past both Y limits, NaN runs, infinities
  // and a flat stretch on the transmitted wave.
  const int n = 300007;
  std::vector<double> inc(n), tr(n);
  for (int i = 0; i < n; ++i) {
    inc[i] = rng.generateDouble() - 0.5;
    if (i % 89 == 0) inc[i] = 2.5;
    if (i % 151 == 0) inc[i] = -2.5;
    tr[i] = i > n / 2 && i < n / 2 + 20000 ? 0.125 : 0.3 * std::sin(i * 1e-4) + 0.01 * inc[i];
  }
  for (int i = 1000; i < 1400; ++i) inc[i] = std::numeric_limits<double>::quiet_NaN();
  inc[0] = std::numeric_limits<double>::quiet_NaN();
  inc[77777] = std::numeric_limits<double>::infinity();
  f.Waves(inc, tr);
  f.doc.m_workInc = tr;
  f.doc.m_workTr = inc;
  f.doc.m_smoothInc.assign(tr.begin(), tr.end());
  f.doc.m_smoothInc.push_back(0.0);
  f.doc.m_smoothTr = f.doc.m_smoothInc;
  struct Zoom {
    double xStart, xEnd, yStart, yEnd;
  };
  const Zoom zooms[] = {
      {0, n, -3, 3},                  // everything, nothing beyond the Y limits
      {0, n, -0.45, 0.45},            // the spikes bridged
      {12345.5, 54321.7, -0.2, 0.3},  // block edges nowhere near the plot's
      {-500, 2100, -0.5, 0.5},        // a start left of the first sample and the NaN run
      {150000, 150300, -0.4, 0.2},    // zoomed in: several columns per sample
      {299000, 400000, -0.35, -0.2},  // past the end, most samples beyond the limits
  };
  for (QSize size : {QSize(690, 490), QSize(1013, 707), QSize(333, 250), QSize(120, 130)}) {
    for (const Zoom& z : zooms) {
      SCOPED_TRACE(::testing::Message()
                   << z.xStart << ".." << z.xEnd << " " << z.yStart << ".." << z.yEnd);
      for (int kind : {kOriginalWave, kProcessedWave}) {
        ScaleRecord& s = f.vm.m_scales[kind - kFirstCurveKind];
        s.xStart = z.xStart;
        s.xEnd = z.xEnd;
        s.xRange = z.xEnd - z.xStart;
        s.yStart = z.yStart;
        s.yEnd = z.yEnd;
        s.yRange = z.yEnd - z.yStart;
      }
      for (int shown : {1, 2, 3}) {
        f.doc.m_shownWaves = shown;
        SCOPED_TRACE(shown);
        f.vm.SelectCurve(kOriginalWave, 1, 1);
        ExpectPyramidMatchesScan(f.vm, size);
        SCOPED_TRACE("processed");
        f.vm.SelectCurve(kProcessedWave, 1, 0);
        ExpectPyramidMatchesScan(f.vm, size);
      }
    }
  }
}

TEST(Render, PyramidFollowsTheDataAfterARedraw) {
  PlotFixture f;
  std::vector<double> w(100000, 0.0);
  f.Waves(w, w);
  f.vm.SelectCurve(kOriginalWave, 1, 0);
  const QImage flat = RenderPlotImage(f.vm, kClient);
  // Changed in place, as the window methods and smoothing change the arrays the view is bound to.
  for (int i = 40000; i < 41000; ++i) f.doc.m_rawInc[i] = f.vm.Current().yEnd;
  f.vm.Redraw();
  const QImage spike = RenderPlotImage(f.vm, kClient);
  EXPECT_NE(flat, spike);
  RenderOptions scan;
  scan.fromPyramid = false;
  EXPECT_EQ(spike, RenderPlotImage(f.vm, kClient, scan));
}

TEST(Render, ColumnReductionKeepsAtMostFourPointsPerColumnRun) {
  PlotFixture f;
  std::vector<double> w(1'000'000);
  QRandomGenerator rng(7);
  for (double& v : w) v = rng.generateDouble() - 0.5;
  f.Waves(w, w);
  f.vm.SelectCurve(kOriginalWave, 1, 0);
  const PlotMetrics m = MetricsForClient(690, 490);
  const auto reduced = CurvePolyline(f.vm, m, false, true);
  const auto all = CurvePolyline(f.vm, m, false, false);
  EXPECT_GT(all.size(), w.size() / 2);
  EXPECT_LE(reduced.size(), 4u * 601u);
  EXPECT_EQ(reduced.front(), all.front());
  EXPECT_EQ(reduced.back(), all.back());
}

}  // namespace
}  // namespace velk
