// Redraw time of the plot for long waves: one segment per sample against the per-column
// reduction, at 10 000, 1 000 000 and 10 000 000 samples, on a 690 x 490 image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <memory>

#include "plot/core/view_model.h"
#include "plot/render/plot_renderer.h"
#include "record/velk_doc.h"

namespace {

void EnsureApp() {
  static std::unique_ptr<QGuiApplication> app = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "plot_bench";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
  }();
}

// A noisy pulse, like a recorded bar wave.
struct Wave {
  velk::Workspace ws;
  velk::CVelkDoc doc{ws};
  velk::ViewModel vm{doc};
  explicit Wave(int n) {
    QRandomGenerator rng(42);
    std::vector<double> w(n);
    for (int i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / n;
      w[i] = (t > 0.3 && t < 0.5 ? 0.5 : 0.0) + 0.05 * (rng.generateDouble() - 0.5);
    }
    doc.InstallWaves(w, w);
    vm.InitialUpdate();
    vm.SelectCurve(velk::kOriginalWave, 1, 0);
  }
};

void Redraw(benchmark::State& state, bool decimate) {
  EnsureApp();
  Wave wave(static_cast<int>(state.range(0)));
  QImage img(690, 490, QImage::Format_RGB32);
  velk::RenderOptions o;
  o.decimate = decimate;
  for (auto _ : state) {
    QPainter p(&img);
    velk::RenderPlot(p, img.size(), wave.vm, o);
    p.end();
    benchmark::DoNotOptimize(img.constBits());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RedrawEverySegment(benchmark::State& state) { Redraw(state, false); }
void BM_RedrawPerColumn(benchmark::State& state) { Redraw(state, true); }

BENCHMARK(BM_RedrawEverySegment)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawPerColumn)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
