// Time of the stress-strain computation and of the smoothing against the number of result points.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "plot/core/view_model.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "reduction/smoothing.h"
#include "reduction/stress_strain.h"

namespace velk {
namespace {

// A record of 3N + 200 samples holding three windowed pulses of N + 1 points each.
struct Bench {
  Workspace ws;
  CVelkDoc doc{ws};
  ViewModel view{doc};
  ScriptedInteraction ia;

  Bench(int points, int model) {
    const int n = 3 * points + 200;
    std::vector<double> inc(n, 0.0), tr(n, 0.0);
    doc.InstallWaves(inc, tr);
    const int is = 50, rs = points + 100, ts = 2 * points + 150;
    for (int i = 0; i < points; ++i) {
      const double s = std::sin(3.14159 * i / points);
      doc.m_workInc[is + i] = 1.0 * s;
      doc.m_workInc[rs + i] = -0.6 * s;
      doc.m_workTr[ts + i] = 0.4 * s;
    }
    doc.m_windows = {is, is + points - 1, rs, rs + points - 1, ts, ts + points - 1};
    doc.m_resultLimit = points;
    // Scale the channels so the specimen strain stays below 1 whatever the length: a computation
    // whose strain reaches 1 is refused.
    for (auto& c : ws.params.channel) c.factor = kDefaultConversionFactor * 1000.0 / points;
    doc.m_setup.computeModel = model;
    ws.params.matrixWaveSpeedMs = 2000.0f;
    doc.m_view = &view;
    view.SelectCurve(kEngStressStrain, 1, 1);
  }
};

void BM_ComputeStressStrain(benchmark::State& state) {
  Bench b(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    if (!ComputeStressStrain(b.doc, b.ia)) {
      state.SkipWithError(b.ia.messages.back().c_str());
      break;
    }
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ComputeStressStrain)
    ->ArgsProduct({{1000, 100000, 1000000},
                   {kModelIncidentTransmitted, kModelThreeWave, kModelThreeWaveFoam}})
    ->Unit(benchmark::kMillisecond);

void BM_SmoothArrays(benchmark::State& state) {
  Bench b(static_cast<int>(state.range(0)), kModelThreeWave);
  if (!ComputeStressStrain(b.doc, b.ia)) {
    state.SkipWithError(b.ia.messages.back().c_str());
    return;
  }
  const int p = static_cast<int>(state.range(1));
  for (auto _ : state) {
    SmoothArrays(b.doc, p, b.doc.m_lastResultIndex, b.ia);
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SmoothArrays)
    ->ArgsProduct({{1000, 100000, 1000000}, {3, 10}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velk
