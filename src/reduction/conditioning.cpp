#include "reduction/conditioning.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>
#include <variant>

#include "record/tr_noop.h"

namespace velk {

double BridgeConversionFactor(double arms, double voltage, double gain, double gaugeFactor) {
  double p = gain * voltage * gaugeFactor * arms;
  if (p == 0.0) p = 1000000.0;
  return 4000000.0 / p;
}

std::string FormatFixed6(double value) {
  // "%f" of the largest double needs 309 digits before the point.
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
  if (r.ec != std::errc()) return "0.000000";
  return std::string(buf, r.ptr);
}

double AsShownFixed6(double value) {
  if (!std::isfinite(value)) return value;
  const std::string text = FormatFixed6(value);
  double back = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), back);
  return back;
}

void RecalculateFactor(ParameterPage& page) {
  page.factor = AsShownFixed6(
      BridgeConversionFactor(page.arms, page.bridgeVoltage, page.gain, page.gaugeFactor));
}

namespace {

// The first tab of a sheet is on screen when the sheet opens, so it always counts as opened.
bool WasOpened(const Sheet& sheet, std::size_t page) {
  return page == 0 || sheet.pages[page].opened;
}

void Fill(std::vector<double>& w, int from, int to, double value) {
  for (int i = from; i < to; ++i) w[i] = value;
}

// w[i] = x[i] - base over [from, to); x may be w itself.
void Subtract(std::vector<double>& w, std::span<const double> x, int from, int to, double base) {
  for (int i = from; i < to; ++i) w[i] = x[i] - base;
}

}  // namespace

void RearrangeChannels(CVelkDoc& doc) { RearrangeChannelsFrom(doc, doc.m_workInc, doc.m_workTr); }

void RearrangeChannelsFrom(CVelkDoc& doc, std::span<const double> inc, std::span<const double> tr) {
  std::vector<double>& wi = doc.m_workInc;
  std::vector<double>& wt = doc.m_workTr;
  const int n = static_cast<int>(std::min({wi.size(), wt.size(), inc.size(), tr.size()}));
  auto at = [&](int k) { return std::clamp(doc.m_windows[k], 0, n); };
  const int is = at(kIncStart), ie = at(kIncEnd), rs = at(kRefStart);
  const int ts = at(kTrStart), te = at(kTrEnd);
  const double bI = doc.m_incBaseMean, bT = doc.m_trBaseMean;

  // The steps run in order on the working wave, so a reflected start typed before the end of the
  // incident window (or before its start) reads what the earlier steps left there: then the
  // source is copied in first and the steps run in place.
  if (rs < std::max(is, ie) && inc.data() != wi.data()) {
    std::copy_n(inc.begin(), n, wi.begin());
    inc = std::span<const double>(wi.data(), static_cast<std::size_t>(n));
  }
  Fill(wi, 0, is, 0.0);
  Subtract(wi, inc, is, ie, bI);
  Fill(wi, ie, rs, 0.0);
  Subtract(wi, inc, rs, n, bI);
  Fill(wi, n, static_cast<int>(wi.size()), 0.0);

  Fill(wt, 0, ts, 0.0);
  Subtract(wt, tr, ts, te, bT);
  Fill(wt, te, static_cast<int>(wt.size()), 0.0);
}

int OnResultSettings(CVelkDoc& doc, Interaction& ia) {
  doc.ComputeBaselineMeans();

  const auto& wi = doc.ws().params.windowIndices;
  WavePosPage pos;
  pos.incStart = wi[kIncStart];
  pos.incEnd = wi[kIncEnd];
  pos.refStart = wi[kRefStart];
  pos.refEnd = wi[kRefEnd];
  pos.trStart = wi[kTrStart];
  pos.trEnd = wi[kTrEnd];

  CalibrationPage cal;
  cal.incBaseStart = doc.m_incBaseStart;
  cal.incBaseEnd = doc.m_incBaseEnd;
  cal.trBaseStart = doc.m_trBaseStart;
  cal.trBaseEnd = doc.m_trBaseEnd;
  cal.incMean = doc.m_incBaseMean;
  cal.trMean = doc.m_trBaseMean;

  Sheet sheet{VELK_TRANSLATE_NOOP("velk::Sheet", "calculate"),
              {{VELK_TRANSLATE_NOOP("velk::Sheet", "三波起终点"), pos, false},
               {VELK_TRANSLATE_NOOP("velk::Sheet", "calibrate"), cal, false}}};
  if (!ia.RunSheet(sheet)) return kCancelled;

  if (WasOpened(sheet, 1)) {
    const auto& c = std::get<CalibrationPage>(sheet.pages[1].data);
    doc.m_incBaseStart = c.incBaseStart;
    doc.m_incBaseEnd = c.incBaseEnd;
    doc.m_trBaseStart = c.trBaseStart;
    doc.m_trBaseEnd = c.trBaseEnd;
  }
  // The means follow the confirmed ranges, whatever the read-only fields held.
  doc.ComputeBaselineMeans();

  const auto& p = std::get<WavePosPage>(sheet.pages[0].data);
  doc.m_windows[kIncStart] = p.incStart;
  doc.m_windows[kIncEnd] = p.incEnd;
  doc.m_windows[kRefStart] = p.refStart;
  doc.m_windows[kRefEnd] = p.refEnd;
  doc.m_windows[kTrStart] = p.trStart;
  doc.m_windows[kTrEnd] = p.trEnd;
  return kDone;
}

namespace {

ParameterPage BridgePageFrom(const ChannelSlots& s) {
  ParameterPage page;
  page.factor = s.factor;
  page.arms = s.armsOrHeight;
  page.gaugeFactor = s.gaugeFactor;
  page.bridgeVoltage = s.bridgeVoltage;
  page.gain = s.gainOrStaticStrain;
  return page;
}

}  // namespace

void OnBridgeParameters(CVelkDoc& doc, Interaction& ia) {
  Workspace& ws = doc.ws();
  if (ws.Has(kCs20000Source)) return;  // a CS20000 test is scaled by its own calibration
  auto& ch = ws.params.channel;
  Sheet sheet{VELK_TRANSLATE_NOOP("velk::Sheet", "parameter"),
              {{VELK_TRANSLATE_NOOP("velk::Sheet", "入射波应变参数设定"),
                BridgePageFrom(ch[kIncident]), false},
               {VELK_TRANSLATE_NOOP("velk::Sheet", "透射波应变参数设定"),
                BridgePageFrom(ch[kTransmitted]), false}}};
  if (!ia.RunSheet(sheet)) return;
  for (std::size_t c = 0; c < 2; ++c) {
    if (!WasOpened(sheet, c)) continue;
    const auto& page = std::get<ParameterPage>(sheet.pages[c].data);
    ChannelSlots& s = ch[c];
    s.factor = page.factor;
    s.armsOrHeight = page.arms;
    s.gaugeFactor = page.gaugeFactor;
    s.bridgeVoltage = page.bridgeVoltage;
    s.gainOrStaticStrain = page.gain;
  }
  ws.Set(kBridgeParams);
  ws.Clear(kCalibration);
}

}  // namespace velk
