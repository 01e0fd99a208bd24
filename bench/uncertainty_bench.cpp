// Time of the Monte Carlo uncertainty run (2000 draws through the stress-strain computation)
// against the number of result points and threads.

#include <benchmark/benchmark.h>

#include <cmath>

#include "analysis/uncertainty_record.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "reduction/stress_strain.h"

namespace velk {
namespace {

// A record of 3N + 200 samples holding three windowed half-sine pulses, computed by the three-wave
// model with N + 1 result points.
struct Bench {
  Workspace ws;
  CVelkDoc doc{ws};
  ScriptedInteraction ia;

  explicit Bench(int points) {
    const int n = 3 * points + 200;
    doc.InstallWaves(std::vector<double>(n, 0.0), std::vector<double>(n, 0.0));
    const int is = 50, rs = points + 100, ts = 2 * points + 150;
    for (int i = 0; i < points; ++i) {
      const double s = std::sin(3.14159 * i / points);
      doc.m_workInc[is + i] = 1.0 * s;
      doc.m_workInc[rs + i] = -0.6 * s;
      doc.m_workTr[ts + i] = 0.4 * s;
    }
    doc.m_windows = {is, is + points, rs, rs + points, ts, ts + points};
    doc.m_resultLimit = points;
    // Keeps the specimen strain below 1 whatever the length.
    for (auto& c : ws.params.channel) c.factor = kDefaultConversionFactor * 1000.0 / points;
    doc.m_setup.computeModel = kModelThreeWave;
    if (!ComputeStressStrain(doc, ia)) std::abort();
  }
};

void BM_MonteCarlo(benchmark::State& state) {
  Bench b(static_cast<int>(state.range(0)));
  UncertaintyOptions o;
  o.threads = static_cast<int>(state.range(1));
  for (auto _ : state) {
    const UncertaintyResult u = RunUncertainty({}, RecordUncertaintyModel(b.doc), o);
    if (!u.ok || u.drawsUsed != o.draws) state.SkipWithError("draws failed");
    benchmark::DoNotOptimize(u.bands[kEngStress].upper.data());
  }
  state.counters["draws"] = o.draws;
}
BENCHMARK(BM_MonteCarlo)
    ->Args({2000, 2})
    ->Args({5000, 1})
    ->Args({5000, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace
}  // namespace velk
