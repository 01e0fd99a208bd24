#pragma once
// Small synthetic tests built in code: a record with installed channels, and pulse shapes.

#include <cmath>
#include <memory>
#include <vector>

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

}  // namespace velk::testing
