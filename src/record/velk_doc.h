#pragma once
// The test record: one pressure-bar test in memory. It owns the recorded channels, the working
// and smoothed copies, the six result curves and the window and baseline indices. The physical
// parameters live in the program-wide Workspace, which the constructor partly resets.

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "record/session_journal.h"
#include "record/setup_fields.h"
#include "record/workspace.h"

namespace velk {

class DocView;
struct ResultUncertainty;

// Result curves, in the fixed order every array of six follows.
enum ResultCurve {
  kEngStress = 0,  // MPa
  kEngStrain,      // dimensionless
  kEngStrainRate,  // 1/s
  kTrueStress,     // MPa
  kTrueStrain,
  kTrueStrainRate,
  kResultCurveCount
};

// What the curve chooser offers; the GUI mirrors it on buttons 1032-1040, 1041 and 1042.
struct ChooserState {
  bool processedEnabled = false;      // button 1032, after the first window method ran
  bool resultsEnabled = false;        // buttons 1033-1040 and the check boxes, after a computation
  bool showUnsmoothedChecked = true;  // check box 1041 "原始曲线"
  bool showSmoothedChecked = false;   // check box 1042 "光滑后曲线"

  bool operator==(const ChooserState&) const = default;
};

// Things a window that shows the record wants to hear about. Every member may be empty.
struct DocObserver {
  std::function<void()> setupFieldsLoaded;  // setup fields were reloaded from the test parameters
  std::function<void()> chooserChanged;     // ChooserState changed
};

class CVelkDoc {
 public:
  explicit CVelkDoc(Workspace& ws);
  CVelkDoc(const CVelkDoc&) = delete;
  CVelkDoc& operator=(const CVelkDoc&) = delete;

  Workspace& ws() { return m_ws; }
  const Workspace& ws() const { return m_ws; }
  TestParameters& params() { return m_ws.params; }

  // Mean of each raw wave over its baseline range. Ranges are clamped to the wave; an empty
  // range gives a mean of 0.
  void ComputeBaselineMeans();
  // Takes the bar materials and diameters from the setup fields into the test parameters and sets
  // each bar's wave speed, modulus, Poisson's ratio, area and diameter from the workspace's bar
  // library. An index outside a list leaves the previous values. Unless the transmission bar
  // differs, it takes the incident bar's values.
  void SetBarProperties();
  // Copies the parameter-file values into the setup fields (wave choice and model untouched).
  void LoadParametersIntoSetup();

  // Installs two channels cut to the shorter one as the raw waves and makes the wave copies at
  // once (MakeWaveCopies), then clamps the baseline ranges to the waves and computes the baseline
  // means. For building a record in code; the readers install through InstallChannels.
  void InstallWaves(std::vector<double> incident, std::vector<double> transmitted);

  // The working waves (point count each) and smoothed waves (point count + 1) are made when a
  // command first needs them, not when the test is read: a recording is often only looked at, and
  // four more arrays of its length would more than double what opening it costs. Makes the ones
  // missing: working waves of zeros, smoothed waves as copies of the raw ones (nothing smoothed
  // yet) with the last reading repeated in the spare entry. Throws std::bad_alloc.
  void MakeWaveCopies();

  int pointCount() const { return m_pointCount; }

  // The test record's own fields, named as the operator knows them.
  int m_shownWaves = 1;  // 1 incident, 2 transmitted, 3 both
  int m_pickedIndex = 0;
  int m_pickedValue = 0;
  int m_pointCount = 1024;
  int m_resultLimit = 2000;
  int m_lastResultIndex = -1;
  int m_incBaseStart = 0, m_incBaseEnd = 199;
  int m_trBaseStart = 0, m_trBaseEnd = 199;
  double m_incBaseMean = 0, m_trBaseMean = 0;
  // Wave windows, same order as WindowIndex.
  std::array<int, 6> m_windows{};

  std::vector<double> m_rawInc, m_rawTr;
  // Empty until MakeWaveCopies.
  std::vector<double> m_workInc, m_workTr;
  std::vector<double> m_smoothInc, m_smoothTr;  // point count + 1 entries
  std::array<std::vector<double>, kResultCurveCount> m_computed;
  std::array<std::vector<double>, kResultCurveCount> m_smoothed;

  SetupFields m_setup;
  ChooserState m_chooser;
  DocObserver m_observer;
  DocView* m_view = nullptr;  // the record's plot view, when one exists
  // The band of the last uncertainty run (analysis/result_uncertainty.h), valid only while the
  // results it was computed for are unchanged: read it through CurrentUncertainty.
  std::shared_ptr<const ResultUncertainty> m_uncertainty;
  // How the record was opened and the commands since, for the session file.
  SessionJournal m_journal;

  // The curves the view and tools use as "shown" ones: always the computed curves here.
  const std::vector<double>& Shown(ResultCurve c) const { return m_computed[c]; }

  void NotifyChooser() {
    if (m_observer.chooserChanged) m_observer.chooserChanged();
  }

 private:
  Workspace& m_ws;
};

// The bridge-mode conversion factor of the default parameters, 4e6 / (500 * 8 * 2.1 * 1).
inline constexpr double kDefaultConversionFactor = 476.1904761904762;

}  // namespace velk
