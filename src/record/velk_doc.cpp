#include "record/velk_doc.h"

#include <algorithm>

#include "record/bar_values.h"
#include "record/large_buffer.h"

namespace velk {

CVelkDoc::CVelkDoc(Workspace& ws) : m_ws(ws) {
  TestParameters& p = m_ws.params;
  for (ChannelSlots& c : p.channel) {
    c.factor = kDefaultConversionFactor;
    c.bridgeVoltage = 8.0;
    c.calBridgeVoltage = 1.0;
    c.gainOrStaticStrain = 500.0;
    c.gaugeFactor = 2.1;
    c.armsOrHeight = 1.0;
  }
  p.samplingMhz = 5.0f;
  p.specimenDiameterMm = 8.0f;
  p.specimenThicknessMm = 4.0f;
  p.sampleIntervalUs = 0.2;
  p.specimenWaveSpeedMs = 5000.0f;

  m_setup.samplingMhz = 5.0f;
  m_setup.specimenDiameterMm = p.specimenDiameterMm;
  m_setup.specimenThicknessMm = p.specimenThicknessMm;
  m_setup.specimenWaveSpeedMs = p.specimenWaveSpeedMs;
  m_setup.strikerVelocityMs = 3.0f;
  m_setup.waveChoice = 0;
  m_setup.barMaterialIndex = 0;
  m_setup.computeModel = 0;
  m_setup.barDiameterIndex = 0;
  m_setup.matrixWaveSpeedMs = 0.0f;
  m_setup.trBarDiffers = false;
  m_setup.trBarMaterialIndex = 0;
  m_setup.trBarDiameterIndex = 0;
  m_resultLimit = ws.resultLimit;
  m_shownWaves = 1;
}

namespace {
double MeanOver(const std::vector<double>& w, int& start, int& end) {
  const int n = static_cast<int>(w.size());
  // Keep the stored range inside the wave so that every later reader sees a valid range.
  start = std::clamp(start, 0, std::max(n - 1, 0));
  end = std::clamp(end, 0, std::max(n - 1, 0));
  if (n == 0 || start > end) return 0.0;
  double sum = 0.0;
  for (int i = start; i <= end; ++i) sum += w[i];
  return sum / static_cast<double>(end - start + 1);
}
}  // namespace

void CVelkDoc::ComputeBaselineMeans() {
  m_incBaseMean = MeanOver(m_rawInc, m_incBaseStart, m_incBaseEnd);
  m_trBaseMean = MeanOver(m_rawTr, m_trBaseStart, m_trBaseEnd);
}

void CVelkDoc::SetBarProperties() {
  TestParameters& p = m_ws.params;
  p.barMaterialIndex = m_setup.barMaterialIndex;
  p.barDiameterIndex = m_setup.barDiameterIndex;
  p.trBarDiffers = m_setup.trBarDiffers;
  if (p.trBarDiffers) {
    p.trBarMaterialIndex = m_setup.trBarMaterialIndex;
    p.trBarDiameterIndex = m_setup.trBarDiameterIndex;
  }
  ApplyBarRows(p, m_ws.bars);
}

void CVelkDoc::LoadParametersIntoSetup() {
  const TestParameters& p = m_ws.params;
  m_setup.specimenDiameterMm = p.specimenDiameterMm;
  m_setup.samplingMhz = p.samplingMhz;
  m_setup.specimenThicknessMm = p.specimenThicknessMm;
  m_setup.strikerVelocityMs = p.strikerVelocityMs;
  m_setup.specimenWaveSpeedMs = p.specimenWaveSpeedMs;
  m_setup.matrixWaveSpeedMs = p.matrixWaveSpeedMs;
  m_setup.barDiameterIndex = p.barDiameterIndex;
  m_setup.barMaterialIndex = p.barMaterialIndex;
  m_setup.trBarDiffers = p.trBarDiffers;
  m_setup.trBarMaterialIndex = p.trBarMaterialIndex;
  m_setup.trBarDiameterIndex = p.trBarDiameterIndex;
  m_setup.dispersionCorrection = p.dispersionCorrection;
  m_setup.incGaugeDistanceMm = p.incGaugeDistanceMm;
  m_setup.trGaugeDistanceMm = p.trGaugeDistanceMm;
  if (m_observer.setupFieldsLoaded) m_observer.setupFieldsLoaded();
}

void CVelkDoc::InstallWaves(std::vector<double> incident, std::vector<double> transmitted) {
  m_pointCount = static_cast<int>(std::min(incident.size(), transmitted.size()));
  incident.resize(m_pointCount);
  transmitted.resize(m_pointCount);
  m_rawInc = std::move(incident);
  m_rawTr = std::move(transmitted);
  m_workInc.clear();
  m_workTr.clear();
  m_smoothInc.clear();
  m_smoothTr.clear();
  MakeWaveCopies();
  ComputeBaselineMeans();
}

void CVelkDoc::MakeWaveCopies() {
  const std::size_t n = std::min(m_rawInc.size(), m_rawTr.size());
  if (n == 0) return;  // no test read: nothing to copy
  for (auto* w : {&m_workInc, &m_workTr}) {
    if (w->size() != n) w->assign(n, 0.0);
  }
  auto smoothed = [n](const std::vector<double>& raw, std::vector<double>& s) {
    if (s.size() == n + 1) return;
    s.clear();
    ReserveLarge(s, n + 1);
    s.assign(raw.begin(), raw.begin() + static_cast<std::ptrdiff_t>(n));
    s.push_back(raw[n - 1]);
  };
  smoothed(m_rawInc, m_smoothInc);
  smoothed(m_rawTr, m_smoothTr);
}

}  // namespace velk
