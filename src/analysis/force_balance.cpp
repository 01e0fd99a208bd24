#include "analysis/force_balance.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velk {

namespace {

constexpr double kNewtonPerKilonewton = 1000.0;
constexpr double kMicro = 1e-6;

// Sample at index k of a channel, zero outside it.
double At(const std::vector<double>& w, long long k) {
  return k >= 0 && k < static_cast<long long>(w.size()) ? w[static_cast<std::size_t>(k)] : 0.0;
}

// Start of the transmitted read of the three-wave computation.
long long TransmittedStart(const CVelkDoc& doc) {
  const TestParameters& p = doc.ws().params;
  const long long ts = doc.m_windows[kTrStart];
  if (doc.m_setup.specimenWaveSpeedMs == 0.0f) return ts;
  const double h = p.specimenThicknessMm;
  const double cs = p.specimenWaveSpeedMs;
  const double x = (h / cs / p.sampleIntervalUs) * 1000;
  if (!std::isfinite(x)) return ts;
  return static_cast<long long>(std::clamp(std::trunc(ts - x), -1e9, 1e9));
}

}  // namespace

void ComputeBalanceRatio(ForceBalance& b) {
  const std::size_t n = std::min(b.frontKn.size(), b.backKn.size());
  b.ratio.assign(n, std::numeric_limits<double>::quiet_NaN());
  double peak = 0.0;
  for (std::size_t i = 0; i < n; ++i) peak = std::max(peak, b.backKn[i]);
  const double floor = kBalanceThreshold * peak;
  if (!(floor > 0.0)) return;
  for (std::size_t i = 0; i < n; ++i) {
    const double f1 = b.frontKn[i], f2 = b.backKn[i];
    if (f1 > floor && f2 > floor) b.ratio[i] = 2.0 * (f1 - f2) / (f1 + f2);
  }
}

ForceBalance BalanceFromStrains(std::span<const double> incident, std::span<const double> reflected,
                                std::span<const double> transmitted, double dtUs,
                                const BarStiffness& bars) {
  const std::size_t n = std::min({incident.size(), reflected.size(), transmitted.size()});
  ForceBalance b;
  b.timeUs.resize(n);
  b.frontKn.resize(n);
  b.backKn.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    b.timeUs[i] = static_cast<double>(i) * dtUs;
    b.frontKn[i] = (incident[i] + reflected[i]) * kMicro * bars.frontN / kNewtonPerKilonewton;
    b.backKn[i] = transmitted[i] * kMicro * bars.backN / kNewtonPerKilonewton;
  }
  ComputeBalanceRatio(b);
  return b;
}

ForceBalance ComputeForceBalance(const CVelkDoc& doc) {
  if (!doc.ws().Has(kResultsComputed) || doc.m_lastResultIndex < 0) return {};
  const TestParameters& p = doc.ws().params;
  const std::size_t count = static_cast<std::size_t>(doc.m_lastResultIndex) + 1;
  const double ki = p.channel[kIncident].factor;
  const double kt = p.channel[kTransmitted].factor;
  const long long is = doc.m_windows[kIncStart], rs = doc.m_windows[kRefStart];
  const long long ts = TransmittedStart(doc);
  std::vector<double> inc(count), ref(count), tr(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto k = static_cast<long long>(i);
    inc[i] = At(doc.m_workInc, is + k) * ki;
    ref[i] = At(doc.m_workInc, rs + k) * ki;
    tr[i] = At(doc.m_workTr, ts + k) * kt;
  }
  return BalanceFromStrains(inc, ref, tr, p.sampleIntervalUs, BarStiffnessOf(p));
}

}  // namespace velk
