// From the open command to the first picture of a 10,000,000-sample Tektronix pair: both files
// read, the waves scaled, and the raw incident wave drawn on a 690 x 490 image, with the
// per-column scan of every sample and with the min/max pyramid.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "plot/core/view_model.h"
#include "plot/render/plot_renderer.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"

namespace {

namespace fs = std::filesystem;

void EnsureApp() {
  static std::unique_ptr<QGuiApplication> app = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "open_bench";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
  }();
}

// The pair, written once into a temporary folder and removed at exit.
struct Pair {
  fs::path dir;
  std::string inc, tr;
  explicit Pair(int n) {
    dir = fs::temp_directory_path() / ("velk-open-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    inc = Write("inc.txt", n, 0.5);
    tr = Write("tr.txt", n, 0.2);
  }
  ~Pair() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  std::string Write(const char* name, int n, double amplitude) const {
    const std::string path = (dir / name).string();
    FILE* f = std::fopen(path.c_str(), "w");
    std::fprintf(f, "%d\n1e-07\n0\n0\n", n);
    std::mt19937 rng(n);
    std::uniform_real_distribution<double> noise(-2e-3, 2e-3);
    for (int i = 0; i < n; ++i) {
      const double pulse = (i > n / 5 && i < n / 5 + 3000) ? amplitude : 0.0;
      std::fprintf(f, "%.6f\n", pulse + noise(rng));
    }
    std::fclose(f);
    return path;
  }
};

void OpenToFirstPicture(benchmark::State& state, bool fromPyramid) {
  EnsureApp();
  static Pair pair(10'000'000);
  velk::RenderOptions o;
  o.fromPyramid = fromPyramid;
  for (auto _ : state) {
    velk::Workspace ws;
    velk::CVelkDoc doc(ws);
    velk::ViewModel vm(doc);
    velk::ScriptedInteraction ui;
    ws.waveOpen = {pair.inc, pair.tr, 0, 0};
    if (velk::ReadTektronixWaves(doc, ui) != velk::kReadOk) {
      state.SkipWithError("read failed");
      break;
    }
    vm.InitialUpdate();
    vm.SelectCurve(velk::kOriginalWave, 1, 0);
    const QImage img = velk::RenderPlotImage(vm, QSize(690, 490), o);
    benchmark::DoNotOptimize(img.constBits());
  }
}

void BM_OpenToFirstPictureColumnScan(benchmark::State& state) { OpenToFirstPicture(state, false); }
void BM_OpenToFirstPictureFromPyramid(benchmark::State& state) { OpenToFirstPicture(state, true); }

BENCHMARK(BM_OpenToFirstPictureColumnScan)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenToFirstPictureFromPyramid)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
