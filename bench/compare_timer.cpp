// The Velk side of bench/compare: times reading a Tektronix pair and reducing it on given
// windows, the way the batch command does it, and prints one line per measurement so the script
// can set it beside numpy.
//
//   compare_timer read INC TR REPEATS
//   compare_timer reduce INC TR IS IE RS RE TS TE REPEATS
//
// Each prints "seconds <best of REPEATS>"; reduce also prints the last result index and the sums
// of the five result curves the numpy code computes, so the script can check that both sides did
// the same work.

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "reduction/calculate.h"

namespace {

// Processor time of the process (user and system, page faults included), as Python's
// time.process_time measures numpy: on a machine shared with builds, wall time measures the others.
struct Clock {
  using time_point = double;
  static double now() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
  }
};

double Seconds(double a, double b) { return b - a; }

bool Read(velk::CVelkDoc& doc, velk::ScriptedInteraction& ui) {
  if (velk::ReadTektronixWaves(doc, ui) == velk::kReadOk) return true;
  for (const auto& m : ui.messages) std::fprintf(stderr, "%s\n", m.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velk;
  const std::string mode = argc > 1 ? argv[1] : "";
  const bool reduce = mode == "reduce" && argc == 11;
  if (!(mode == "read" && argc == 5) && !reduce) {
    std::fprintf(stderr,
                 "usage: compare_timer read INC TR REPEATS\n"
                 "       compare_timer reduce INC TR IS IE RS RE TS TE REPEATS\n");
    return 2;
  }
  Workspace ws;
  ws.waveOpen.incidentPath = argv[2];
  ws.waveOpen.transmittedPath = argv[3];
  const int repeats = std::atoi(argv[argc - 1]);
  double best = 1e300;

  if (!reduce) {
    for (int r = 0; r < repeats; ++r) {
      CVelkDoc doc(ws);
      ScriptedInteraction ui;
      const auto t0 = Clock::now();
      if (!Read(doc, ui)) return 1;
      const auto t1 = Clock::now();
      best = std::min(best, Seconds(t0, t1));
    }
    std::printf("seconds %.9f\n", best);
    return 0;
  }

  int windows[6];
  for (int k = 0; k < 6; ++k) windows[k] = std::atoi(argv[4 + k]);
  CVelkDoc doc(ws);
  ScriptedInteraction ui;
  if (!Read(doc, ui)) return 1;
  doc.m_setup.computeModel = kModelThreeWave;
  for (int r = 0; r < repeats; ++r) {
    ui.methodAnswers.push_back(6);
    ui.sheetAnswers.push_back([&](Sheet& sheet) {
      auto& w = std::get<WavePosPage>(sheet.pages[0].data);
      w.incStart = windows[0];
      w.incEnd = windows[1];
      w.refStart = windows[2];
      w.refEnd = windows[3];
      w.trStart = windows[4];
      w.trEnd = windows[5];
      sheet.pages[0].opened = true;
      return true;
    });
    // The whole command: working waves from the raw ones, windows, rearrangement, computation.
    const auto t0 = Clock::now();
    const int result = OnCalculate(doc, ui);
    const auto t1 = Clock::now();
    if (result != kDone) {
      for (const auto& m : ui.messages) std::fprintf(stderr, "%s\n", m.c_str());
      return 1;
    }
    best = std::min(best, Seconds(t0, t1));
  }
  std::printf("seconds %.9f\n", best);
  std::printf("last_result_index %d\n", doc.m_lastResultIndex);
  const char* names[] = {"eng_stress",  "eng_strain",  "eng_strain_rate",
                         "true_stress", "true_strain", "true_strain_rate"};
  for (int c = 0; c < kResultCurveCount; ++c) {
    double sum = 0;
    for (int i = 0; i <= doc.m_lastResultIndex; ++i) sum += doc.m_computed[c][i];
    std::printf("sum_%s %.17g\n", names[c], sum);
  }
  return 0;
}
