#pragma once
// Small synthetic tests built in code: a record with installed channels, and pulse shapes.

#include <cmath>
#include <memory>
#include <vector>

#include "../record/test_files.h"
#include "plot/core/view_model.h"
#include "record/scripted_interaction.h"
#include "record/velk_doc.h"

namespace velk::testing {

// A workspace, a record and (optionally) its view, as one opened test.
struct TestRecord {
  Workspace ws;
  CVelkDoc doc{ws};
  std::unique_ptr<ViewModel> view;
  ScriptedInteraction ia;

  TestRecord(std::vector<double> inc, std::vector<double> tr, bool withView = true) {
    doc.InstallWaves(std::move(inc), std::move(tr));
    ws.Set(kWavesLoaded);
    if (withView) {
      view = std::make_unique<ViewModel>(doc);
      doc.m_view = view.get();
      view->InitialUpdate();
      view->SelectCurve(kOriginalWave, 1, 0);
    }
  }
};

// A trapezoidal pulse of the given height on a baseline: rises linearly from rise0 to rise1, stays
// until fall0, falls linearly to fall1. The line of the rise meets the baseline at rise0.
inline void AddPulse(std::vector<double>& x, double rise0, double rise1, double fall0, double fall1,
                     double height) {
  for (std::size_t i = 0; i < x.size(); ++i) {
    const double t = static_cast<double>(i);
    double v = 0.0;
    if (t > rise0 && t < rise1)
      v = height * (t - rise0) / (rise1 - rise0);
    else if (t >= rise1 && t <= fall0)
      v = height;
    else if (t > fall0 && t < fall1)
      v = height * (fall1 - t) / (fall1 - fall0);
    x[i] += v;
  }
}

inline std::vector<double> Flat(int n, double base) { return std::vector<double>(n, base); }

// Incident pulse at 300.5-800, reflected (negative) at 1300.5-1800 on the incident channel,
// transmitted at 900.5-1350 on the transmitted channel; quiet baselines over 0-199. The working
// waves are copies of the raw ones.
inline std::unique_ptr<TestRecord> ThreeWaveRecord(bool withView = true) {
  std::vector<double> inc = Flat(2200, 0.5), tr = Flat(2200, 0.25);
  AddPulse(inc, 300.5, 400.5, 700, 800, 2.0);
  AddPulse(inc, 1300.5, 1400.5, 1700, 1800, -1.5);
  AddPulse(tr, 900.5, 1000.5, 1250, 1350, 0.5);
  auto r = std::make_unique<TestRecord>(inc, tr, withView);
  r->doc.m_workInc = r->doc.m_rawInc;
  r->doc.m_workTr = r->doc.m_rawTr;
  return r;
}

}  // namespace velk::testing
