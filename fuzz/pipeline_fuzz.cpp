// The whole batch reduction on fuzzed files: read a pair, load a parameter file, place the
// windows (peak alignment or typed windows), compute with one of the five models, smooth, write
// the three result files and scale the plot axes. Control bytes choose the reader, the model, the
// window method, the smoothing points and, for typed windows, the six bounds. The input holds up
// to three files: incident, transmitted (unused by the record reader) and a parameter file.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "fuzz_input.h"
#include "plot/core/view_model.h"
#include "record/file_io.h"
#include "record/param_file.h"
#include "record/reader.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"
#include "reduction/calculate.h"
#include "reduction/smoothing.h"
#include "reduction/stress_strain.h"
#include "reduction/wave_windows.h"
#include "tools/result_file.h"
#include "wave_checks.h"

namespace {

// A window bound near the interesting part of a short channel, occasionally far outside it.
int Bound(velk::fuzz::Input& in) {
  const int hi = in.Byte(), lo = in.Byte();
  const int v = (hi << 8 | lo) - 4096;
  return (hi & 0x80) ? v * 4096 : v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velk;
  fuzz::Input in{{reinterpret_cast<const char*>(data), size}};
  const int reader = in.Byte() % 3;
  const int model = in.Byte() % 6;  // 5 is refused as an unknown model
  const bool typed = in.Byte() & 1;
  const bool zeroSpeed = in.Byte() & 1;
  const int smoothPoints = in.Byte() - 8;
  int bounds[6];
  for (int& b : bounds) b = Bound(in);
  const auto [inc, tr, params] = in.ThreeFiles();

  Workspace ws;
  ws.waveOpen.incidentPath = fuzz::WriteScratch("inc.txt", inc);
  ws.waveOpen.transmittedPath = fuzz::WriteScratch("tr.txt", tr);
  CVelkDoc doc(ws);
  ViewModel view(doc);
  doc.m_view = &view;
  ScriptedInteraction ui;
  int read = kReadFailed;
  switch (reader) {
    case 0:
      read = ReadTektronixWaves(doc, ui);
      break;
    case 1:
      read = ReadCs20000Waves(doc, ui);
      break;
    default:
      read = RecordFileReader(ws.waveOpen.incidentPath).Read(doc, ui);
      break;
  }
  fuzz::CheckReadOutcome(doc, ui, read);
  if (read != kReadOk) return 0;
  view.InitialUpdate();
  view.SelectCurve(kOriginalWave, 1, 0);
  if (!params.empty()) {
    const std::string pat = fuzz::WriteScratch("test.PAT", params);
    if (!LoadParameterFile(pat, ws.params))
      fuzz::Fail("a parameter file just written is unreadable");
    doc.LoadParametersIntoSetup();
  }

  doc.m_setup.computeModel = model;
  if (zeroSpeed) doc.m_setup.specimenWaveSpeedMs = 0.0f;
  if (model == kModelThreeWaveFoam) ws.params.matrixWaveSpeedMs = 1500.0f;
  if (typed) {
    ui.methodAnswers.push_back(6);
    ui.sheetAnswers.push_back([&](Sheet& sheet) {
      auto& w = std::get<WavePosPage>(sheet.pages[0].data);
      w.incStart = bounds[0];
      w.incEnd = bounds[1];
      w.refStart = bounds[2];
      w.refEnd = bounds[3];
      w.trStart = bounds[4];
      w.trEnd = bounds[5];
      sheet.pages[0].opened = true;
      return true;
    });
  } else {
    ui.methodAnswers.push_back(5);
  }
  const std::size_t before = ui.messages.size();
  const int result = OnCalculate(doc, ui);
  if (result == kDone) {
    const int N = doc.m_lastResultIndex;
    if (N < 0) fuzz::Fail("computed with a negative last result index");
    for (int c = 0; c < kResultCurveCount; ++c) {
      if (doc.m_computed[c].size() < static_cast<std::size_t>(N) + 1 ||
          doc.m_smoothed[c].size() < static_cast<std::size_t>(N) + 1) {
        fuzz::Fail("a result curve is shorter than the last result index");
      }
    }
    // A second run on the same windows must give the same curves.
    const auto first = doc.m_computed;
    if (!OnRecalculate(doc, ui)) fuzz::Fail("recalculation refused what the first run computed");
    for (int c = 0; c < kResultCurveCount; ++c) {
      for (int i = 0; i <= N; ++i) {
        const double a = first[c][i], b = doc.m_computed[c][i];
        if (a != b && !(a != a && b != b)) fuzz::Fail("recalculation changed a result");
      }
    }
    view.SelectCurve(kEngStressStrain, 1, 0);
    ApplySmoothing(doc, smoothPoints, 0, ui);
    for (int kind = 2; kind <= 4; ++kind) {
      const std::string out = fuzz::ScratchDir() + "/result" + ResultExtension(kind);
      if (!WriteResultFile(out, doc, kind)) fuzz::Fail("a result file could not be written");
      std::string bytes;
      if (!ReadWholeFile(out, bytes)) fuzz::Fail("a result file just written is unreadable");
      if (std::count(bytes.begin(), bytes.end(), '\n') != N + 1) {
        fuzz::Fail("a result file does not hold one row per result point");
      }
    }
  } else if (result == kRefused && ui.messages.size() == before) {
    fuzz::Fail("a refused reduction told the operator nothing");
  }
  doc.m_view = nullptr;
  return 0;
}
