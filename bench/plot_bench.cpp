// Redraw time of the plot for long waves: one segment per sample, the per-column reduction
// scanned from every sample, and the same reduction read from the min/max pyramid, at 10 000,
// 1 000 000 and 10 000 000 samples, on a 690 x 490 image; and what building the pyramid costs
// once the data change.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <memory>

#include "plot/core/minmax_pyramid.h"
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
  explicit Wave(int n, int shownWaves = 1) {
    QRandomGenerator rng(42);
    std::vector<double> w(n);
    for (int i = 0; i < n; ++i) {
      const double t = static_cast<double>(i) / n;
      w[i] = (t > 0.3 && t < 0.5 ? 0.5 : 0.0) + 0.05 * (rng.generateDouble() - 0.5);
    }
    doc.InstallWaves(w, w);
    doc.m_shownWaves = shownWaves;
    vm.InitialUpdate();
    vm.SelectCurve(velk::kOriginalWave, 1, 0);
  }
};

enum class Path { kEverySegment, kColumnScan, kPyramid };

void Redraw(benchmark::State& state, Path path, int shownWaves = 1) {
  EnsureApp();
  Wave wave(static_cast<int>(state.range(0)), shownWaves);
  QImage img(690, 490, QImage::Format_RGB32);
  velk::RenderOptions o;
  o.decimate = path != Path::kEverySegment;
  o.fromPyramid = path == Path::kPyramid;
  // The pyramid is built by the first drawing after the data change, not by every redraw.
  {
    QPainter p(&img);
    velk::RenderPlot(p, img.size(), wave.vm, o);
  }
  for (auto _ : state) {
    QPainter p(&img);
    velk::RenderPlot(p, img.size(), wave.vm, o);
    p.end();
    benchmark::DoNotOptimize(img.constBits());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RedrawEverySegment(benchmark::State& state) { Redraw(state, Path::kEverySegment); }
void BM_RedrawPerColumn(benchmark::State& state) { Redraw(state, Path::kColumnScan); }
void BM_RedrawFromPyramid(benchmark::State& state) { Redraw(state, Path::kPyramid); }
void BM_RedrawBothChannelsPerColumn(benchmark::State& state) {
  Redraw(state, Path::kColumnScan, 3);
}
void BM_RedrawBothChannelsFromPyramid(benchmark::State& state) { Redraw(state, Path::kPyramid, 3); }

// The cost of the first drawing after a change: the pyramid is built, then drawn from.
void BM_BuildPyramid(benchmark::State& state) {
  Wave wave(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    velk::MinMaxPyramid p(wave.doc.m_rawInc);
    benchmark::DoNotOptimize(p.samples().data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

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
BENCHMARK(BM_RedrawFromPyramid)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawBothChannelsPerColumn)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawBothChannelsFromPyramid)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildPyramid)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
